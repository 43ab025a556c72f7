#pragma once

#include "model/base/balance/balancelog.h"

namespace Model::Orlem {

// Ledger of company balances on the gateway server; a movement may name a driver and carry a
// lost profit.
class CompanyBalanceLog : public Base::BalanceLog
{
public:
    CompanyBalanceLog();

    QString tableName() const override { return QStringLiteral("company_balance_logs"); }
};

} // namespace Model::Orlem
