#pragma once

#include "model/base/driver/drivergroup.h"
#include "model/helper/drivergroupadditionalpayment.h"
#include "model/helper/drivergroupdistancepenalty.h"
#include "model/helper/groupbalance.h"
#include "model/helper/utcoffset.h"

namespace Model::Orlem {

// Gateway-side driver group: low balance, UTC offset, additional payment and distance penalty rules.
class DriverGroup : public Base::DriverGroup,
                    public Helper::GroupBalance,
                    public Helper::UtcOffset,
                    public Helper::DriverGroupAdditionalPayment,
                    public Helper::DriverGroupDistancePenalty
{
public:
    DriverGroup();
    ~DriverGroup() override;
};

} // namespace Model::Orlem
