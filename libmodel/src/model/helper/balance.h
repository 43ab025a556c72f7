#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the balance of an owner, written by the server only.
class Balance
{
public:
    explicit Balance(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
