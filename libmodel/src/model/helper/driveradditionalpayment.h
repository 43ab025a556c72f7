#pragma once

namespace Model {

class AbstractModel;

namespace Helper {

// Field group: a driver's own additional-payment rule, used instead of the group's when switched on.
class DriverAdditionalPayment
{
public:
    explicit DriverAdditionalPayment(AbstractModel *model);
};

} // namespace Helper
} // namespace Model
