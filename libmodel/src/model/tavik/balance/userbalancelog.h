#pragma once

#include "model/base/balance/balancelog.h"

namespace Model::Tavik {

// Ledger of user balances on the dispatcher server.
class UserBalanceLog : public Base::BalanceLog
{
public:
    UserBalanceLog();

    QString tableName() const override { return QStringLiteral("user_balance_logs"); }
};

} // namespace Model::Tavik
