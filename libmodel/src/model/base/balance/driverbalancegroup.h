#pragma once

#include "balancegroup.h"

namespace Model::Base {

// Balance groups of the drivers' ledger (table "driver_balance_groups"), with the system groups.
class DriverBalanceGroup : public BalanceGroup
{
public:
    DriverBalanceGroup();
    ~DriverBalanceGroup() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
