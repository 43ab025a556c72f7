#pragma once

#include "model/base/driver/driver.h"
#include "model/helper/balance.h"
#include "model/helper/driveradditionalpayment.h"
#include "model/helper/drivercoords.h"
#include "model/helper/driverdistancepenalty.h"
#include "model/helper/ownerbalance.h"
#include "model/helper/useutcoffset.h"
#include "model/helper/utcoffset.h"

namespace Model::Orlem {

// The gateway server's full driver row: group, tariff group, city and car company, live state,
// shift times, order counters and the driver's own payment and penalty rules.
class Driver : public Base::Driver,
               public Helper::Balance,
               public Helper::OwnerBalance,
               public Helper::UseUtcOffset,
               public Helper::UtcOffset,
               public Helper::DriverCoords,
               public Helper::DriverAdditionalPayment,
               public Helper::DriverDistancePenalty
{
public:
    Driver();
    ~Driver() override;

    QString tableName() const override;
};

} // namespace Model::Orlem
