#include "sms.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Orlem {

Sms::Sms()
{
    declareColumn("value", SQL_TEXT, true, "n/a", QObject::tr("Value"));
}

bool Sms::createSystemRecords(Common::Db *db)
{
    // Fixed texts, not translated.
    return AbstractModel::createSystemRecords(db)
        && SeedList("code")
               .add("driver.archived", {{"name", QStringLiteral("Перенос водителя в архив")},
                                        {"value", QStringLiteral("Позивний {SIGN} перенесено до архіву")}})
               .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Orlem
