#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the driver's last known position; written by the server only.
class DriverCoords
{
public:
    explicit DriverCoords(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
