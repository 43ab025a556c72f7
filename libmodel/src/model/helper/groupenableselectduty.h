#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: whether a user group's users may select their duty.
class GroupEnableSelectDuty
{
public:
    explicit GroupEnableSelectDuty(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
