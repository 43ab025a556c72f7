#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: whether an owner uses its own UTC offset.
class UseUtcOffset
{
public:
    explicit UseUtcOffset(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
