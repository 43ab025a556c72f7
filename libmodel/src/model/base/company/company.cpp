#include "company.h"

#include <QObject>

namespace Model::Base {

Company::Company()
    : UtcOffset(this)
{
    setUuidFieldName(QStringLiteral("uuid_company"));
    field(QStringLiteral("utc_offset")).addFlags(SYNC_ORLEM);
    declareColumn(QStringLiteral("uuid_company"), SQL_TEXT, true, QVariant(), QObject::tr("Uuid"),
                  IS_UUID | NON_UPDATABLE | SYNC_TAX | SYNC_ORLEM);
    declareColumn(QStringLiteral("company_name"), SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Name"),
                  UNIQUE_DUPLICATE | SYNC_TAX | SYNC_ORLEM);
    declareColumn(QStringLiteral("company_code"), SQL_TEXT, false, QStringLiteral("n/a"), QObject::tr("Code"),
                  NON_UPDATABLE);
    declareColumn(QStringLiteral("rating_company"), SQL_INTEGER, false, 0, QObject::tr("Rating"),
                  NON_UPDATABLE | SYNC_TAX);
    declareColumn(QStringLiteral("description_for_drv"), SQL_TEXT, false, QVariant(),
                  QObject::tr("Description for driver"), SYNC_ORLEM);
    declareColumn(QStringLiteral("personal"), SQL_TEXT, true, QStringLiteral("{}"), QObject::tr("Personal info"),
                  NON_UPDATABLE | HIDDEN | SYNC_TAX);
    declareColumn(QStringLiteral("order_coefficient"), SQL_DOUBLE, true, 1.0, QObject::tr("Order coefficient"),
                  SYNC_ORLEM);
    declareColumn(QStringLiteral("order_coefficient_threshold_count"), SQL_INTEGER, true, 0,
                  QObject::tr("Order count threshold for coefficient"), SYNC_ORLEM);
    declareColumn(QStringLiteral("priority_autoassign_brand"), SQL_INTEGER, true, 0,
                  QObject::tr("Priority autoassign for brand car"), SYNC_ORLEM);
    addIndex({QStringLiteral("uuid_company")});
    addIndex({QStringLiteral("company_code")});
    addIndex({QStringLiteral("rating_company")});
}

Company::~Company() = default;

QString Company::tableName() const
{
    return QStringLiteral("companies");
}

} // namespace Model::Base
