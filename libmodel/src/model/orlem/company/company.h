#pragma once

#include "model/base/company/company.h"
#include "model/helper/balance.h"

namespace Model::Orlem {

// The gateway server's company row: balance, terminal company, deletion and registration marks.
// Seeds the platform's single system company.
class Company : public Base::Company, public Helper::Balance
{
public:
    Company();
    ~Company() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
