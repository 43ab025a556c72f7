#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: a group's low-balance rule.
class GroupBalance
{
public:
    explicit GroupBalance(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
