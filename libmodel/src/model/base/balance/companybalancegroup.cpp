#include "companybalancegroup.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

CompanyBalanceGroup::CompanyBalanceGroup() = default;

CompanyBalanceGroup::~CompanyBalanceGroup() = default;

QString CompanyBalanceGroup::tableName() const
{
    return QStringLiteral("company_balance_groups");
}

bool CompanyBalanceGroup::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    const QString name = QStringLiteral("name");
    return SeedList(QStringLiteral("code"))
        .add(QStringLiteral("sys.refill_driver_balance"), {{name, QObject::tr("Refill driver balance")}})
        .add(QStringLiteral("sys.refill_company_balance"), {{name, QObject::tr("Refill company balance")}})
        .add(QStringLiteral("sys.order"), {{name, QObject::tr("Order operation")}})
        .add(QStringLiteral("sys.lost_profit"), {{name, QObject::tr("Lost profit")}})
        .add(QStringLiteral("sys.driver_monthly_fee"), {{name, QObject::tr("Driver's monthly fee")}})
        .add(QStringLiteral("sys.cashback"), {{name, QObject::tr("Cashback")}})
        .add(QStringLiteral("sys.bonuses"), {{name, QObject::tr("Bonuses")}})
        .add(QStringLiteral("sys.compensation_p2p"), {{name, QObject::tr("Compensation for failure P2P")}})
        .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
