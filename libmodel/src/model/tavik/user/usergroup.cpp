#include "usergroup.h"

#include "model/helper/salaryswitches.h"
#include "model/tavik/security/usergroupsecurityoption.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>

namespace Model::Tavik {

namespace {

// Controllers the operators may only read.
const char *const kReadOnly[] = {
    "address", "astSrv", "carBodyTypes", "carBrands", "carColors", "cbg", "cbl", "cbt", "cci", "cdr", "city",
    "clientGroup", "clientGroupOutNotifyCall", "company", "driver", "driverGroup", "dtc", "firstTariff",
    "orderCompleted", "orderCompletedType", "orderStatistic", "orderAutoassignLog", "orderTZA", "orderZone", "osl",
    "secondTariff", "streetType", "tariffSchedule", "tariffScheduleRule", "tariffScheduleSet", "tariffZone",
    "terminal", "track", "ug", "ugso", "usa", "usaOutCallsCompanySipAcc", "user", "userDuty", "userDutyType",
    "userSession", "uso",
};

struct Grant
{
    const char *controller;
    QStringList operations;
};

// Controllers the operators may do more with.
const Grant kWider[] = {
    {"client", {"create", "read", "update"}},
    {"order", {"create", "duplicate", "read", "update", "update_locked_record"}},
    {"orderFT", {"create", "read", "update", "update_locked_record"}},
    {"orderIncompleted", {"read", "update"}},
    {"orderST", {"create", "read", "update"}},
    {"orderTZ", {"create", "read", "update"}},
    {"orderWP", {"create", "delete", "read", "update"}},
    {"street", {"create", "read", "update"}},
    {"userGuiSession", {"create", "read", "update"}},
    {"userObjectsSetting", {"create", "read", "update"}},
    {"zone", {"create", "read", "update"}},
};

QString right(const char *controller, const QString &operation)
{
    return QLatin1String(controller) + QLatin1String(".crud.") + operation;
}

} // namespace

UserGroup::UserGroup()
    : GroupBalance(this)
    , ClientSideEndSession(this)
    , GroupEnableSelectDuty(this)
{
    declare(QStringLiteral("rst_id_slt"), Field::referenceTo(QStringLiteral("user_salary_tariffs"), FK_SET_DEFAULT));
    declareColumn(QStringLiteral("show_driver_sos"), SQL_INTEGER, true, 1, QObject::tr("Show driver SOS"));
    const Helper::SalarySwitches salary(this);
    declareColumn(QStringLiteral("use_salary_hr"), SQL_INTEGER, true, 0, QObject::tr("Use salary hour"));
    declareColumn(QStringLiteral("write_off_balance"), SQL_INTEGER, true, 0,
                  QObject::tr("Write off balance at beginning month"));
    declareAttached(QStringLiteral("ust_name"), QStringLiteral("user_salary_tariffs"), QStringLiteral("name"),
                    QObject::tr("User salary tariff"));
}

UserGroup::~UserGroup() = default;

bool UserGroup::createSystemRecords(Common::Db *db)
{
    try {
        return Base::UserGroup::createSystemRecords(db) && ensureSystemGroup(db, QStringLiteral("api"), QStringLiteral("API"));
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

bool UserGroup::createSystemRecordsForOperators(Common::Db *db)
{
    UserGroupSecurityOption values;
    values.setLoggerId(loggerId());
    return values.createSystemRecordsForGroup(db, id(), true, &operatorRights());
}

const QSet<QString> &UserGroup::operatorRights()
{
    static const QSet<QString> rights = [] {
        QSet<QString> set;
        for (const char *controller : kReadOnly)
            set.insert(right(controller, QStringLiteral("read")));
        for (const Grant &grant : kWider) {
            for (const QString &operation : grant.operations)
                set.insert(right(grant.controller, operation));
        }
        return set;
    }();
    return rights;
}

} // namespace Model::Tavik
