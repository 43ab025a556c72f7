#pragma once

#include "model/base/owner/owner.h"
#include "model/helper/sex.h"

namespace Model::Base {

// The drivers (table "drivers"): who a driver is and the car the driver drives now, with the car's
// brand, body type and colour joined in.
class Driver : public Owner, public Helper::Sex
{
public:
    Driver();
    ~Driver() override;

    QString tableName() const override;
};

} // namespace Model::Base
