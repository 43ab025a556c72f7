#include "user.h"

#include "systemmarks.h"
#include "usergroup.h"

#include "common/core/db/dao.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QObject>
#include <QRandomGenerator>

namespace Model::Base {

namespace {

const QString kSign = QStringLiteral("sign");
const QString kGroup = QStringLiteral("rst_id_group");
const QString kIsSystem = QStringLiteral("is_system");

} // namespace

User::User()
    : OwnerBalance(this)
    , Balance(this)
    , UseUtcOffset(this)
    , UtcOffset(this)
    , Sex(this)
{
    declareReference(kGroup, QStringLiteral("user_groups"), QString());
    declareColumn(QStringLiteral("first_name"), SQL_TEXT, false, QVariant(), QObject::tr("First name"));
    declareColumn(QStringLiteral("middle_name"), SQL_TEXT, false, QVariant(), QObject::tr("Middle name"));
    declareColumn(QStringLiteral("last_name"), SQL_TEXT, false, QVariant(), QObject::tr("Last name"));
    declareColumn(QStringLiteral("max_sim_calls"), SQL_INTEGER, true, 6, QObject::tr("Max sim calls"));
    declareColumn(QStringLiteral("phone"), SQL_TEXT, false, QVariant(), QObject::tr("Phone"));
    declareColumn(kIsSystem, SQL_INTEGER, true, 0, QObject::tr("Is system"), NON_UPDATABLE);
    declareAttached(QStringLiteral("group_name"), QStringLiteral("user_groups"), QStringLiteral("name"),
                    QObject::tr("Group"));
    addIndex({kIsSystem});
}

User::~User() = default;

bool User::createSystemRecords(Common::Db *db)
{
    try {
        if (!AbstractModel::createSystemRecords(db))
            return false;
        return ensureSystemUser(db, QStringLiteral("admin"), QStringLiteral("admin"),
                                {{QStringLiteral("first_name"), QObject::tr("Admin")},
                                 {QStringLiteral("last_name"), QStringLiteral("n/a")},
                                 {QStringLiteral("blocked"), 0}},
                                false, COMMON_LOCATION);
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

QString User::unusablePasswordDigest()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString digest;
    for (quint32 word : words)
        digest += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return digest;
}

qint64 User::groupIdByCode(Common::Db *db, const QString &code, const QString &location)
{
    UserGroup group;
    group.setLoggerId(loggerId());
    Common::Dao dao(&group, db);
    dao.setLoggerId(loggerId());
    group.setValue(QStringLiteral("code"), code);
    if (dao.selectByFields(QStringLiteral("code"), QString()))
        return group.id();
    if (!dao.failed()) {
        Logger::instance(loggerId())->warning(Common::warningLine(
            location, QStringLiteral("No user group with code '%1' (tn: '%2')").arg(code, group.tableName())));
    }
    return 0;
}

bool User::ensureSystemUser(Common::Db *db, const QString &sign, const QString &groupCode, const QVariantMap &values,
                            bool moveToGroup, const QString &location)
{
    Common::Dao dao(this, db);
    dao.setLoggerId(loggerId());
    dao.setReloadAfterWrite(false);
    resetValues();
    setValue(kSign, sign);
    const bool found = dao.selectByFields(kSign, QString());
    if (!found && dao.failed())
        return false;
    if (found && !moveToGroup) {
        if (value(kIsSystem).toInt() == 1)
            return true;
        setValue(kIsSystem, 1);
        return updateWithSystemColumns(this, dao, {kIsSystem}, location);
    }

    const qint64 groupId = groupIdByCode(db, groupCode, location);
    if (groupId == 0)
        return false;
    if (found) {
        if (value(kIsSystem).toInt() == 1 && value(kGroup).toLongLong() == groupId)
            return true;
        setValue(kIsSystem, 1);
        setValue(kGroup, groupId);
        return updateWithSystemColumns(this, dao, {kIsSystem, kGroup}, location);
    }
    resetValues();
    populateDefault();
    setValue(kSign, sign);
    setValue(QStringLiteral("pwd"), unusablePasswordDigest());
    setValue(kGroup, groupId);
    setValue(kIsSystem, 1);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setValue(it.key(), it.value());
    return dao.insert(location);
}

} // namespace Model::Base
