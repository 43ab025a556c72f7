#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: a driver's own distance-penalty rule, used instead of the group's when switched on.
class DriverDistancePenalty
{
public:
    explicit DriverDistancePenalty(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
