#include "driverbalancelog.h"

namespace Model::Base {

DriverBalanceLog::DriverBalanceLog()
{
    declare("rst_id_owner", Field::referenceTo("drivers", FK_SET_DEFAULT));
    declareReference("rst_id_bg", "driver_balance_groups", QString());
    declareReference("rst_id_bt", "driver_balance_types", QString());
    declareDisplay("dt_utc_insert_formated", QString());
    declareDisplay("dt_utc_insert_time_formated", QString());
}

} // namespace Model::Base
