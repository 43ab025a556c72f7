#pragma once

#include "model/base/owner/owner.h"
#include "model/helper/utcoffset.h"

namespace Model::Base {

// The companies of the platform (table "companies"): the columns both servers share.
class Company : public Owner, public Helper::UtcOffset
{
public:
    Company();
    ~Company() override;

    QString tableName() const override;
};

} // namespace Model::Base
