#include "user.h"

#include "usergroup.h"

#include "model/helper/salaryswitches.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>

namespace Model::Tavik {

User::User()
    : ClientSideEndSession(this)
    , OwnerClientSideEndSession(this)
    , OwnerEnableSelectDuty(this)
{
    clearFieldFlags(QStringLiteral("sign"), NON_UPDATABLE);
    declare(QStringLiteral("rst_id_slt"), Field::referenceTo(QStringLiteral("user_salary_tariffs"), FK_SET_DEFAULT));
    const Helper::SalarySwitches salary(this);
    declareColumn(QStringLiteral("use_slt"), SQL_INTEGER, true, 0, QObject::tr("Use salary tariff"));
    declareColumn(QStringLiteral("use_salary_hr"), SQL_INTEGER, true, 0, QObject::tr("Use salary hour"));
    declareColumn(QStringLiteral("chat_unreaded"), SQL_TEXT, false, QVariant(), QString());
    declareDisplay(QStringLiteral("use_slt_string"), QObject::tr("Use salaty tariff"));
    declareAttached(QStringLiteral("ust_name"), QStringLiteral("user_salary_tariffs"), QStringLiteral("name"),
                    QObject::tr("User salary tariff"));
    addIndex({QStringLiteral("use_slt")});
    addIndex({QStringLiteral("use_salary_hr")});
}

User::~User() = default;

bool User::createSystemRecords(Common::Db *db)
{
    const QString location = COMMON_LOCATION;
    try {
        Common::Dao dao(this, db);
        dao.setLoggerId(loggerId());
        dao.setReloadAfterWrite(false);
        resetValues();
        setValue(QStringLiteral("sign"), QStringLiteral("admin"));
        const bool adminExisted = dao.selectByFields(QStringLiteral("sign"), location);
        if (!adminExisted && dao.failed())
            return false;

        if (!Base::User::createSystemRecords(db))
            return false;
        for (const char *sign : {"web", "mobile-android", "mobile-ios"}) {
            if (!createApiRecord(db, QLatin1String(sign)))
                return false;
        }
        // The operator and its group come with the administrator only, so that deleting them sticks.
        if (adminExisted)
            return true;

        // An operator kept from an earlier database is left as it is.
        resetValues();
        setValue(QStringLiteral("sign"), QStringLiteral("operator"));
        if (dao.selectByFields(QStringLiteral("sign"), location))
            return true;
        if (dao.failed())
            return false;

        UserGroup operators;
        operators.setLoggerId(loggerId());
        operators.populateDefault();
        if (!operators.insertWithFreeName(db, QObject::tr("Operators"), location))
            return false;
        if (!operators.createSystemRecordsForOperators(db))
            return false;

        resetValues();
        populateDefault();
        setValue(QStringLiteral("sign"), QStringLiteral("operator"));
        setValue(QStringLiteral("pwd"), unusablePasswordDigest());
        setValue(QStringLiteral("rst_id_group"), operators.id());
        return dao.insert(location);
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(location, e.message()));
    }
    return false;
}

bool User::createApiRecord(Common::Db *db, const QString &sign)
{
    return ensureSystemUser(db, sign, QStringLiteral("api"), {}, true, COMMON_LOCATION);
}

} // namespace Model::Tavik
