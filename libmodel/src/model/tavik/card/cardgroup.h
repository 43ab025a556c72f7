#pragma once

#include "model/base/owner/owner.h"
#include "model/helper/balance.h"

namespace Model::Tavik {

// A group of payment cards on the dispatcher server: a series of cards of one company that pays
// for orders from one balance. The card balance ledger and the card group report read it.
class CardGroup : public Base::Owner, public Helper::Balance
{
public:
    CardGroup();

    QString tableName() const override { return QStringLiteral("card_groups"); }
};

} // namespace Model::Tavik
