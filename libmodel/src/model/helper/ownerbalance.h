#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: an owner's own low-balance rule, overriding its group's.
class OwnerBalance
{
public:
    explicit OwnerBalance(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
