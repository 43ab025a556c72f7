#include "driverbalancegroup.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

DriverBalanceGroup::DriverBalanceGroup() = default;

DriverBalanceGroup::~DriverBalanceGroup() = default;

QString DriverBalanceGroup::tableName() const
{
    return QStringLiteral("driver_balance_groups");
}

bool DriverBalanceGroup::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    const QString name = QStringLiteral("name");
    return SeedList(QStringLiteral("code"))
        .add(QStringLiteral("sys.refill_by_company"), {{name, QObject::tr("Refill balance by company")}})
        .add(QStringLiteral("sys.order"), {{name, QObject::tr("Order operation")}})
        .add(QStringLiteral("sys.services"), {{name, QObject::tr("Services")}})
        .add(QStringLiteral("sys.transfer"), {{name, QObject::tr("Transfers")}})
        .add(QStringLiteral("sys.penalties"), {{name, QObject::tr("Penalties")}})
        .add(QStringLiteral("sys.raise_rating"), {{name, QObject::tr("Raise rating")}})
        .add(QStringLiteral("sys.cashback"), {{name, QObject::tr("Cashback")}})
        .add(QStringLiteral("sys.bonuses"), {{name, QObject::tr("Bonuses")}})
        .add(QStringLiteral("sys.compensation_p2p"), {{name, QObject::tr("Compensation for failure P2P")}})
        .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
