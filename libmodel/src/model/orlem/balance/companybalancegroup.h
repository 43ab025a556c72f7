#pragma once

#include "model/base/balance/companybalancegroup.h"

namespace Model::Orlem {

// The gateway server's company balance groups: the base groups and two of its own.
class CompanyBalanceGroup : public Base::CompanyBalanceGroup
{
public:
    CompanyBalanceGroup();
    ~CompanyBalanceGroup() override;

    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
