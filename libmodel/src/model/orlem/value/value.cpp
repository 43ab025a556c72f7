#include "value.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Model::Orlem {

QString Value::defaultRaiseRatingCost()
{
    const QJsonObject cost{{"common", 30}, {"point", 30}};
    const QJsonObject value{{"mode", "common"}, {"cost", cost}};
    return QString::fromUtf8(QJsonDocument(value).toJson(QJsonDocument::Compact));
}

bool Value::createSystemRecords(Common::Db *db)
{
    return AbstractModel::createSystemRecords(db)
        && SeedList("code")
               .add("scheduler")
               .add("raise_rating_cost", {{"value", defaultRaiseRatingCost()}})
               .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Orlem
