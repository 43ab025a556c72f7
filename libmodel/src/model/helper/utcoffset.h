#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: an owner's or group's offset from UTC, defaulting to the local zone's offset at construction.
class UtcOffset
{
public:
    explicit UtcOffset(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
