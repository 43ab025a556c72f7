#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: a user's override of its group's duty selection.
class OwnerEnableSelectDuty
{
public:
    explicit OwnerEnableSelectDuty(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
