#pragma once

#include "balancelog.h"

namespace Model::Base {

// Ledger of driver balances.
class DriverBalanceLog : public BalanceLog
{
public:
    DriverBalanceLog();

    QString tableName() const override { return QStringLiteral("driver_balance_logs"); }
};

} // namespace Model::Base
