#include "companybalancegroup.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Orlem {

CompanyBalanceGroup::CompanyBalanceGroup() = default;

CompanyBalanceGroup::~CompanyBalanceGroup() = default;

bool CompanyBalanceGroup::createSystemRecords(Common::Db *db)
{
    if (!Base::CompanyBalanceGroup::createSystemRecords(db))
        return false;
    const QString name = QStringLiteral("name");
    return SeedList(QStringLiteral("code"))
        .add(QStringLiteral("sys.driver_operations"), {{name, QObject::tr("Driver's operations")}})
        .add(QStringLiteral("sys.raise_rating"), {{name, QObject::tr("Raise driver rating")}})
        .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Orlem
