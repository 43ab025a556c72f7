#include "userbalancelog.h"

#include <QObject>

namespace Model::Tavik {

UserBalanceLog::UserBalanceLog()
{
    declareReference("rst_id_owner", "users", QString());
    declareReference("rst_id_bg", "user_balance_groups", QString());
    declareReference("rst_id_bt", "user_balance_types", QString());
    declareDisplay("value_string", QObject::tr("Value"));
}

} // namespace Model::Tavik
