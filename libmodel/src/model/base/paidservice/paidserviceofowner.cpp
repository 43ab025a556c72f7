#include "paidserviceofowner.h"

#include <QObject>

namespace Model::Base {

PaidServiceOfOwner::PaidServiceOfOwner()
{
    declare(QStringLiteral("rst_id_owner"), Field());
    declare(QStringLiteral("rst_id_pst"), Field());
    declareColumn(QStringLiteral("enabled"), SQL_INTEGER, true, 1, QObject::tr("Enabled"));
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("rst_id_owner"), QStringLiteral("rst_id_pst")});
    addIndex({QStringLiteral("enabled")});
}

PaidServiceOfOwner::~PaidServiceOfOwner() = default;

} // namespace Model::Base
