#pragma once

#include "model/base/balance/balancelog.h"

namespace Model::Tavik {

// Ledger of card balances on the dispatcher server: the owner is a card group, and each
// movement names its card.
class CardBalanceLog : public Base::BalanceLog
{
public:
    CardBalanceLog();

    QString tableName() const override { return QStringLiteral("card_balance_logs"); }
};

} // namespace Model::Tavik
