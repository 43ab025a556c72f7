#include "cardbalancelog.h"

#include <QObject>

namespace Model::Tavik {

CardBalanceLog::CardBalanceLog()
{
    declareReference("rst_id_owner", "card_groups", QString());
    declareReference("rst_id_bg", "card_balance_groups", QString());
    declareReference("rst_id_bt", "card_balance_types", QString());
    declare("rst_id_card",
            Field(REFERENCE, "cards").setReference(FK_SET_DEFAULT, FK_CASCADE, SQL_BIGINTEGER, true, 1));
    declareDisplay("bg_bt_name", QObject::tr("Group:Type"));
}

} // namespace Model::Tavik
