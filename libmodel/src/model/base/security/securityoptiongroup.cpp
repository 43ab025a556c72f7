#include "securityoptiongroup.h"

#include "securityseed.h"

#include "common/core/exception/location.h"

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
    const auto populateList = [this, db] { return populateListControllerName(db); };
    return seedSecurityCatalogue(this, db, COMMON_LOCATION, populateList, [this] {
        QVector<SecuritySeedRow> rows;
        for (const Record &record : m_records)
            rows.append({record.code, {{QStringLiteral("group_name"), record.groupName}}});
        return rows;
    });
}

} // namespace Model::Base
