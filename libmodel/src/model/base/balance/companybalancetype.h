#pragma once

#include "balancetype.h"

namespace Model::Base {

// Balance types of the companies' ledger (table "company_balance_types"), with the system types.
class CompanyBalanceType : public BalanceType
{
public:
    CompanyBalanceType();
    ~CompanyBalanceType() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
