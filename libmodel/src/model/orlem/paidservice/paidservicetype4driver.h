#pragma once

#include "model/base/paidservice/paidservicetype4owner.h"

namespace Model::Orlem {

// Catalogue of the drivers' paid service types ("paid_service_type_driver"), charged to a driver
// balance type and belonging to a company.
class PaidServiceType4Driver : public Base::PaidServiceType4Owner
{
public:
    PaidServiceType4Driver();
    ~PaidServiceType4Driver() override;

    QString tableName() const override { return QStringLiteral("paid_service_type_driver"); }
};

} // namespace Model::Orlem
