#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the distance penalty rule of a driver group.
class DriverGroupDistancePenalty
{
public:
    explicit DriverGroupDistancePenalty(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
