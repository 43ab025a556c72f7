#pragma once

#include "model/base/balance/ownerbalancetransfer.h"

namespace Model::Orlem {

// Transfers between drivers' balances.
class DriverBalanceTransfer : public Base::OwnerBalanceTransfer
{
public:
    DriverBalanceTransfer();

    QString tableName() const override { return QStringLiteral("driver_balance_transfers"); }
};

} // namespace Model::Orlem
