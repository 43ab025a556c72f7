#include "usergroup.h"

#include "systemmarks.h"

#include "model/base/security/usergroupsecurityoption.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>

namespace Model::Base {

namespace {

const QString kCode = QStringLiteral("code");
const QString kName = QStringLiteral("name");
const QString kIsSystem = QStringLiteral("is_system");

// Names tried for a new group: the plain one and numbered ones.
constexpr int kNameAttempts = 10;

} // namespace

UserGroup::UserGroup()
    : UtcOffset(this)
{
    declareColumn(kIsSystem, SQL_INTEGER, true, 0, QObject::tr("Is system"), NON_UPDATABLE);
    declareColumn(kCode, SQL_TEXT, true, QStringLiteral("user"), QObject::tr("Code"), NON_UPDATABLE);
    addIndex({kIsSystem});
}

UserGroup::~UserGroup() = default;

bool UserGroup::createSystemRecords(Common::Db *db)
{
    try {
        if (!AbstractModel::createSystemRecords(db))
            return false;
        if (!ensureSystemGroup(db, QStringLiteral("admin"), QObject::tr("Admins")))
            return false;
        // Also completes a group whose values an earlier run left unfinished.
        UserGroupSecurityOption values;
        values.setLoggerId(loggerId());
        return values.createSystemRecordsForGroup(db, id(), true);
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

bool UserGroup::ensureSystemGroup(Common::Db *db, const QString &code, const QString &name)
{
    const QString location = COMMON_LOCATION;
    Common::Dao dao(this, db);
    dao.setLoggerId(loggerId());
    dao.setReloadAfterWrite(false);

    resetValues();
    setValue(kCode, code);
    if (dao.selectByFields(kCode, QString())) {
        if (value(kIsSystem).toInt() == 1)
            return true;
        setValue(kIsSystem, 1);
        return updateWithSystemColumns(this, dao, {kIsSystem}, location);
    }
    if (dao.failed())
        return false;
    resetValues();
    populateDefault();
    setValue(kIsSystem, 1);
    setValue(kCode, code);
    return insertWithFreeName(db, name, location);
}

bool UserGroup::insertWithFreeName(Common::Db *db, const QString &name, const QString &location)
{
    // Names are looked up in a catalogue of their own: the row buffer holds the new group.
    UserGroup probe;
    probe.setLoggerId(loggerId());
    Common::Dao probeDao(&probe, db);
    probeDao.setLoggerId(loggerId());
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        const QString candidate = attempt == 1 ? name : QStringLiteral("%1 %2").arg(name).arg(attempt);
        probe.resetValues();
        probe.setValue(kName, candidate);
        if (probeDao.selectByFields(kName, QString()))
            continue;
        if (probeDao.failed())
            return false;
        setValue(kName, candidate);
        Common::Dao dao(this, db);
        dao.setLoggerId(loggerId());
        dao.setReloadAfterWrite(false);
        return dao.insert(location);
    }
    Logger::instance(loggerId())->warning(Common::warningLine(
        location, QStringLiteral("No free name for a new group '%1' (tn: '%2')").arg(name, tableName())));
    return false;
}

} // namespace Model::Base
