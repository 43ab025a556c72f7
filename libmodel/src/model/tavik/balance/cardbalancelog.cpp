#include "cardbalancelog.h"

#include <QObject>

namespace Model::Tavik {

CardBalanceLog::CardBalanceLog()
{
    declareReference("rst_id_owner", "card_groups", QString());
    declareReference("rst_id_bg", "card_balance_groups", QString());
    declareReference("rst_id_bt", "card_balance_types", QString());
    declare("rst_id_card", Field::referenceTo("cards", FK_SET_DEFAULT));
    declareDisplay("bg_bt_name", QObject::tr("Group:Type"));
}

} // namespace Model::Tavik
