#include "securityoptiongroup.h"

#include "securityseed.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

namespace Model::Base {

SecurityOptionGroup::SecurityOptionGroup()
{
    declareColumn(QStringLiteral("group_name"), SQL_TEXT, true, QStringLiteral("n/a"), QString());
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QStringLiteral("n/a"), QString(), NON_UPDATABLE | UNIQUE);
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("code")});
}

SecurityOptionGroup::~SecurityOptionGroup() = default;

bool SecurityOptionGroup::createSystemRecords(Common::Db *db)
{
    try {
        if (!prepareSecuritySeed(this, db, COMMON_LOCATION, [this, db] { return populateListControllerName(db); }))
            return false;
        QVector<SecuritySeedRow> rows;
        for (const Record &record : m_records)
            rows.append({record.code, {{QStringLiteral("group_name"), record.groupName}}});
        return insertMissingCodes(this, db, COMMON_LOCATION, rows);
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

} // namespace Model::Base
