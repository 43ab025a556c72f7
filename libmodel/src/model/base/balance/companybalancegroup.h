#pragma once

#include "balancegroup.h"

namespace Model::Base {

// Balance groups of the companies' ledger (table "company_balance_groups"), with the system groups.
class CompanyBalanceGroup : public BalanceGroup
{
public:
    CompanyBalanceGroup();
    ~CompanyBalanceGroup() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
