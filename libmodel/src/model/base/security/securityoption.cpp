#include "securityoption.h"

#include "securityseed.h"

#include "common/core/exception/location.h"

namespace Model::Base {

SecurityOption::SecurityOption()
{
    declareReference(QStringLiteral("rst_id_sot"), QStringLiteral("security_option_types"), QString());
    declareColumn(QStringLiteral("option_name"), SQL_TEXT, true, QStringLiteral("n/a"), QString());
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QStringLiteral("n/a"), QString(), NON_UPDATABLE | UNIQUE);
    declareColumn(QStringLiteral("data_type"), SQL_TEXT, true, QStringLiteral("bool"), QString());
    declareColumn(QStringLiteral("option_key_words"), SQL_TEXT, false, QVariant(), QString());
    declareColumn(QStringLiteral("is_visible"), SQL_INTEGER, true, 1, QString());
    declareColumn(QStringLiteral("description"), SQL_TEXT, false, QVariant(), QString());
    addIndex({QStringLiteral("UNIQUE"), QStringLiteral("code")});
}

SecurityOption::~SecurityOption() = default;

bool SecurityOption::populateListControllerName(Common::Db *)
{
    return true;
}

bool SecurityOption::createSystemRecords(Common::Db *db)
{
    const auto populateList = [this, db] { return populateListControllerName(db); };
    return seedSecurityCatalogue(this, db, COMMON_LOCATION, populateList, [this] {
        QVector<SecuritySeedRow> rows;
        for (const Record &record : m_records) {
            rows.append({record.code, {{QStringLiteral("rst_id_sot"), record.typeId},
                                       {QStringLiteral("option_name"), record.optionName},
                                       {QStringLiteral("data_type"), record.dataType},
                                       {QStringLiteral("is_visible"), record.isVisible},
                                       {QStringLiteral("description"), record.description},
                                       {QStringLiteral("option_key_words"), record.keyWords}}});
        }
        return rows;
    });
}

} // namespace Model::Base
