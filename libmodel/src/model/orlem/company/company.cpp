#include "company.h"

#include "model/base/seedlist.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Orlem {

Company::Company()
    : Balance(this)
{
    field(QStringLiteral("balance")).clearFlags(HIDDEN);
    field(QStringLiteral("uuid_company")).clearFlags(IS_UUID);
    declareReference(QStringLiteral("rst_id_terminal_cmp"), QStringLiteral("terminal_companies"), QString());
    declareColumn(QStringLiteral("crc_cmp"), SQL_INTEGER, true, 0, QString());
    // Replaces the owner's column: no caption here, and its place is after crc_cmp.
    declareColumn(QStringLiteral("blocked"), SQL_INTEGER, true, 0, QString());
    declareColumn(QStringLiteral("lost_profit"), SQL_REAL, true, 0.0, QObject::tr("Lost profit"), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_del"), SQL_INTEGER, true, 0, QString(), NON_UPDATABLE | INSERT_DEFAULT);
    declareColumn(QStringLiteral("dt_del"), SQL_BIGINTEGER, true, 0, QString(), NON_UPDATABLE | INSERT_DEFAULT);
    declareColumn(QStringLiteral("zn_del"), SQL_INTEGER, true, 0, QString(), NON_UPDATABLE | INSERT_DEFAULT);
    declareColumn(QStringLiteral("dt_registration"), SQL_BIGINTEGER, true, 0, QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("zn_registration"), SQL_INTEGER, true, 0, QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_system"), SQL_INTEGER, true, 0, QObject::tr("Is system"), NON_UPDATABLE);
    addIndex({QStringLiteral("is_system")});
}

Company::~Company() = default;

QString Company::tableName() const
{
    return QStringLiteral("companies");
}

bool Company::createSystemRecords(Common::Db *db)
{
    if (!Base::Company::createSystemRecords(db))
        return false;
    // The system company is found by its mark; inserted, it gets a fresh UUID (an empty value
    // makes the insert generate one) instead of a placeholder text.
    Field &uuid = field(QStringLiteral("uuid_company"));
    const quint64 flags = uuid.flags;
    uuid.flags = IS_UUID;
    const bool ok = SeedList(QStringLiteral("is_system"))
                        .add(1, {{QStringLiteral("company_name"), QObject::tr("System company")},
                                 {QStringLiteral("sign"), QStringLiteral("system")},
                                 {QStringLiteral("uuid_company"), QString()}})
                        .apply(this, db, COMMON_LOCATION);
    uuid.flags = flags;
    return ok;
}

} // namespace Model::Orlem
