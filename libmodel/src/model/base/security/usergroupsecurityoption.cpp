#include "usergroupsecurityoption.h"

#include "securityoption.h"

#include "model/helper/securityoptiontexts.h"

#include "common/core/db/dao.h"
#include "common/core/db/db.h"
#include "common/core/exception/location.h"

#include <QObject>
#include <QSqlQuery>
#include <QVector>

namespace Model::Base {

namespace {

const QString kGroup = QStringLiteral("rst_id_group");
const QString kOption = QStringLiteral("rst_id_so");
const QString kValue = QStringLiteral("option_value");

} // namespace

UserGroupSecurityOption::UserGroupSecurityOption()
{
    const QString options = QStringLiteral("security_options");
    declareReference(kGroup, QStringLiteral("user_groups"), QString());
    declareReference(kOption, options, QString());
    declareColumn(kValue, SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Value"));
    declareDisplay(QStringLiteral("option_value_string"), QString());
    const Helper::SecurityOptionTexts texts(this);
    addIndex({QStringLiteral("UNIQUE"), kGroup, kOption});
}

UserGroupSecurityOption::~UserGroupSecurityOption() = default;

void UserGroupSecurityOption::populateOptionValue(const QString &dataType, const QString &code, bool admin)
{
    if (dataType == QLatin1String("bool")) {
        const bool granted = admin || code.contains(QLatin1String("open_editor"));
        setValue(kValue, granted ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (dataType == QLatin1String("list")) {
        setValue(kValue, QStringLiteral("[]"));
    }
}

bool UserGroupSecurityOption::createSystemRecordsForGroup(Common::Db *db, qint64 groupId, bool admin,
                                                          const QSet<QString> *onlyCodes)
{
    const QString location = COMMON_LOCATION;
    struct Option
    {
        qint64 id;
        QString code;
        QString dataType;
    };
    // Both reads end before the first insert: the connection runs one statement at a time.
    QVector<Option> options;
    {
        SecurityOption option;
        option.setLoggerId(loggerId());
        Common::Dao dao(&option, db);
        dao.setLoggerId(loggerId());
        QSqlQuery query(db->database());
        const Common::Dao::OrderBy byId{{QStringLiteral("id"), 0}};
        if (!dao.select(query, {}, {QStringLiteral("id"), QStringLiteral("code"), QStringLiteral("data_type")}, byId,
                        0, QJsonDocument())) {
            return false;
        }
        while (query.next()) {
            options.append({query.value(QStringLiteral("id")).toLongLong(), query.value(QStringLiteral("code")).toString(),
                            query.value(QStringLiteral("data_type")).toString()});
        }
    }

    // The options the group holds a value for already, read once.
    Common::Dao dao(this, db);
    dao.setLoggerId(loggerId());
    dao.setReloadAfterWrite(false);
    QSet<qint64> held;
    {
        resetValues();
        setValue(kGroup, groupId);
        QSqlQuery query(db->database());
        if (!dao.select(query, {kGroup}, {kOption}, {}, 0, QJsonDocument()))
            return false;
        while (query.next())
            held.insert(query.value(kOption).toLongLong());
    }

    for (const Option &option : options) {
        if ((onlyCodes && !onlyCodes->contains(option.code)) || held.contains(option.id))
            continue;
        // Every row starts from the defaults: nothing of the previous grant carries over.
        resetValues();
        populateDefault();
        setValue(kGroup, groupId);
        setValue(kOption, option.id);
        populateOptionValue(option.dataType, option.code, admin);
        if (!dao.insert(location))
            return false;
        held.insert(option.id);
    }
    return true;
}

} // namespace Model::Base
