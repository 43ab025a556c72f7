#include "securityoptiontype.h"

#include "securityseed.h"

#include "common/core/exception/location.h"

namespace Model::Base {

SecurityOptionType::SecurityOptionType()
{
    declareReference(QStringLiteral("rst_id_sog"), QStringLiteral("security_option_groups"), QString());
    declareColumn(QStringLiteral("type_name"), SQL_TEXT, true, QStringLiteral("n/a"), QString());
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QStringLiteral("n/a"), QString(), NON_UPDATABLE | UNIQUE);
    declareColumn(QStringLiteral("so_option_key_words"), SQL_TEXT, true, QStringLiteral("n/a"), QString());
    declareAttached(QStringLiteral("sog_group_name"), QStringLiteral("security_option_groups"),
                    QStringLiteral("group_name"), QString());
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("code")});
    addIndex({QStringLiteral("so_option_key_words")});
}

SecurityOptionType::~SecurityOptionType() = default;

bool SecurityOptionType::createSystemRecords(Common::Db *db)
{
    const auto populateList = [this, db] { return populateListControllerName(db); };
    return seedSecurityCatalogue(this, db, COMMON_LOCATION, populateList, [this] {
        QVector<SecuritySeedRow> rows;
        for (const Record &record : m_records) {
            rows.append({record.code, {{QStringLiteral("rst_id_sog"), record.groupId},
                                       {QStringLiteral("type_name"), record.typeName},
                                       {QStringLiteral("so_option_key_words"), QStringLiteral("")}}});
        }
        return rows;
    });
}

} // namespace Model::Base
