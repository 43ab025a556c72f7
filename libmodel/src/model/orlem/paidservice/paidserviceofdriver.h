#pragma once

#include "model/base/paidservice/paidserviceofowner.h"

namespace Model::Orlem {

// Catalogue of the paid services of drivers ("paid_driver_services").
class PaidServiceOfDriver : public Base::PaidServiceOfOwner
{
public:
    PaidServiceOfDriver();
    ~PaidServiceOfDriver() override;

    QString tableName() const override { return QStringLiteral("paid_driver_services"); }
};

} // namespace Model::Orlem
