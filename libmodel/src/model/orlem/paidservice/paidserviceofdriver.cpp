#include "paidserviceofdriver.h"

namespace Model::Orlem {

PaidServiceOfDriver::PaidServiceOfDriver()
{
    const QString types = QStringLiteral("paid_service_type_driver");
    declareReference(QStringLiteral("rst_id_owner"), QStringLiteral("drivers"), QString());
    declareReference(QStringLiteral("rst_id_pst"), types, QString());
    declareAttached(QStringLiteral("drv_sign"), QStringLiteral("drivers"), QStringLiteral("sign"), QString());
    declareAttached(QStringLiteral("pst_name"), types, QStringLiteral("name"), QString());
    declareAttached(QStringLiteral("pst_price"), types, QStringLiteral("price"), QString());
}

PaidServiceOfDriver::~PaidServiceOfDriver() = default;

} // namespace Model::Orlem
