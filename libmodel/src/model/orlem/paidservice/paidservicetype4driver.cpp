#include "paidservicetype4driver.h"

#include <QObject>

namespace Model::Orlem {

PaidServiceType4Driver::PaidServiceType4Driver()
{
    declareReference(QStringLiteral("rst_id_bt"), QStringLiteral("driver_balance_types"), QString());
    declareReference(QStringLiteral("rst_id_company"), QStringLiteral("companies"), QString());
    declareAttached(QStringLiteral("company_name"), QStringLiteral("companies"), QStringLiteral("company_name"),
                    QObject::tr("Company"));
}

PaidServiceType4Driver::~PaidServiceType4Driver() = default;

} // namespace Model::Orlem
