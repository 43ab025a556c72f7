#pragma once

#include "model/base/sms/sms.h"

namespace Model::Orlem {

// SMS templates of the gateway; the text may carry "{SIGN}", the driver's call sign. Seeded with
// the template sent when a driver is archived.
class Sms : public Base::Sms
{
public:
    Sms();

    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
