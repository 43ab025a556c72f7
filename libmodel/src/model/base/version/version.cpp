#include "version.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

namespace Model::Base {

Version::Version()
{
    declareColumn("code", SQL_TEXT, true, "n/a", QString(), UNIQUE | NON_UPDATABLE);
    declareColumn("version", SQL_TEXT, false, QVariant(), QString());
    declareColumn("number", SQL_INTEGER, false, QVariant(), QString());
}

bool Version::createSystemRecords(Common::Db *db)
{
    // Each record is written with its own values, never with what a stored record left behind.
    const QVariantMap initial{{"version", "1.0.0"}, {"number", 1}};
    return AbstractModel::createSystemRecords(db)
        && SeedList("code")
               .add("server", initial)
               .add("tax_current", initial)
               .add("tax_min", initial)
               .apply(this, db, COMMON_LOCATION);
}

} // namespace Model::Base
