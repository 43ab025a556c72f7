#include "paidservicetype4owner.h"

#include <QObject>

namespace Model::Base {

PaidServiceType4Owner::PaidServiceType4Owner()
{
    declare(QStringLiteral("rst_id_bt"), Field());
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Name"), UNIQUE);
    declareColumn(QStringLiteral("price"), SQL_REAL, true, 0.0, QObject::tr("Price"));
    declareColumn(QStringLiteral("enabled"), SQL_INTEGER, true, 1, QObject::tr("Enabled"));
    declareColumn(QStringLiteral("inner_note"), SQL_TEXT, false, QVariant(), QObject::tr("Inner note"));
    addIndex({QStringLiteral("enabled")});
}

PaidServiceType4Owner::~PaidServiceType4Owner() = default;

} // namespace Model::Base
