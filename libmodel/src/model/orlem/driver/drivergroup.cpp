#include "drivergroup.h"

namespace Model::Orlem {

DriverGroup::DriverGroup()
    : GroupBalance(this)
    , UtcOffset(this)
    , DriverGroupAdditionalPayment(this)
    , DriverGroupDistancePenalty(this)
{
}

DriverGroup::~DriverGroup() = default;

} // namespace Model::Orlem
