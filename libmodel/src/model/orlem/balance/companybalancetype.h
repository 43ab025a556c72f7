#pragma once

#include "model/base/balance/companybalancetype.h"

namespace Model::Orlem {

// The gateway server's company balance types: the base types and fourteen of its own.
class CompanyBalanceType : public Base::CompanyBalanceType
{
public:
    CompanyBalanceType();
    ~CompanyBalanceType() override;

    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
