#include "companybalancelog.h"

#include <QObject>

namespace Model::Orlem {

CompanyBalanceLog::CompanyBalanceLog()
{
    declare("rst_id_owner", Field::referenceTo("companies", FK_SET_DEFAULT));
    declareReference("rst_id_bg", "company_balance_groups", QString());
    declareReference("rst_id_bt", "company_balance_types", QString());
    declare("rst_id_driver", Field::referenceTo("drivers", FK_SET_DEFAULT));
    // Always inserted as its default, whatever the row buffer holds.
    declareColumn("sync_cmp", SQL_INTEGER, true, 0, QString(), NON_UPDATABLE | INSERT_DEFAULT);
    declareColumn("lost_profit", SQL_REAL, true, 0, QObject::tr("Lost profit"), NON_UPDATABLE);
    declareColumn("is_lost_profit", SQL_INTEGER, true, 0, QString(), NON_UPDATABLE);
    declareDisplay("dt_utc_insert_formated", QString());
    declareDisplay("dt_utc_insert_time_formated", QString());
}

} // namespace Model::Orlem
