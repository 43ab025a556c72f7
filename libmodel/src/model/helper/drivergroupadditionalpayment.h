#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: the additional payment rule of a driver group.
class DriverGroupAdditionalPayment
{
public:
    explicit DriverGroupAdditionalPayment(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
