#pragma once

#include "balancetype.h"

namespace Model::Base {

// Balance types of the drivers' ledger (table "driver_balance_types"), with the system types.
class DriverBalanceType : public BalanceType
{
public:
    DriverBalanceType();
    ~DriverBalanceType() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
