#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the salary switches a dispatcher-side user and user group share, each indexed.
class SalarySwitches
{
public:
    explicit SalarySwitches(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
