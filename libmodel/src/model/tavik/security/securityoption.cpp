#include "securityoption.h"

#include "securityoptiongroup.h"
#include "securityoptiontype.h"

#include "model/base/security/securityseed.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QHash>
#include <QObject>

namespace Model::Tavik {

namespace {

struct Operation
{
    const char *name;
    const char *caption;
    const char *description;
    const char *dataType;
};

const Operation kOperations[] = {
    {"create", QT_TRANSLATE_NOOP("QObject", "Create record"), QT_TRANSLATE_NOOP("QObject", "Access for create new record"), "bool"},
    {"update", QT_TRANSLATE_NOOP("QObject", "Update record"), QT_TRANSLATE_NOOP("QObject", "Access for update new record"), "bool"},
    {"read", QT_TRANSLATE_NOOP("QObject", "Read record"), QT_TRANSLATE_NOOP("QObject", "Access for read one record"), "bool"},
    {"duplicate", QT_TRANSLATE_NOOP("QObject", "Duplicate record"), QT_TRANSLATE_NOOP("QObject", "Access for duplicate record"), "bool"},
    {"delete", QT_TRANSLATE_NOOP("QObject", "Delete record"), QT_TRANSLATE_NOOP("QObject", "Access for delete record"), "bool"},
    {"update_locked_record", QT_TRANSLATE_NOOP("QObject", "Update locked record"),
     QT_TRANSLATE_NOOP("QObject", "Access for update locked record"), "bool"},
    {"open_editor", QT_TRANSLATE_NOOP("QObject", "Open editor"), QT_TRANSLATE_NOOP("QObject", "Access for open editor"), "bool"},
    {"table_mapping", QT_TRANSLATE_NOOP("QObject", "Table mapping"), QT_TRANSLATE_NOOP("QObject", "Access for columns in table"), "list"},
};

} // namespace

bool SecurityOption::populateListControllerName(Common::Db *db)
{
    try {
        SecurityOptionGroup group;
        SecurityOptionType type;
        group.setLoggerId(loggerId());
        type.setLoggerId(loggerId());
        // Every stored type of the list, with its stored group.
        if (!type.populateListControllerName(db))
            return false;
        // The stored groups and types, read at once.
        QList<QVariantMap> storedGroups;
        QList<QVariantMap> storedTypes;
        if (!Base::readStoredRows(&group, db, {QStringLiteral("id"), QStringLiteral("group_name")}, storedGroups)
            || !Base::readStoredRows(&type, db,
                               {QStringLiteral("id"), QStringLiteral("code"), QStringLiteral("type_name"),
                                QStringLiteral("rst_id_sog")},
                               storedTypes)) {
            return false;
        }
        QHash<qint64, QString> groupNames;
        for (const QVariantMap &row : storedGroups)
            groupNames.insert(row.value(QStringLiteral("id")).toLongLong(), row.value(QStringLiteral("group_name")).toString());
        QHash<QString, QVariantMap> types;
        for (const QVariantMap &row : storedTypes)
            types.insert(row.value(QStringLiteral("code")).toString(), row);

        for (const Base::SecurityOptionType::Record &record : type.records()) {
            const auto storedType = types.constFind(record.code);
            if (storedType == types.cend())
                return false;
            const auto groupName = groupNames.constFind(storedType->value(QStringLiteral("rst_id_sog")).toLongLong());
            if (groupName == groupNames.cend())
                return false;
            const QString typeId = storedType->value(QStringLiteral("id")).toString();
            const QString keyPrefix =
                groupName.value() + QLatin1Char(' ') + storedType->value(QStringLiteral("type_name")).toString()
                + QLatin1Char(' ');
            for (const Operation &operation : kOperations) {
                const QString caption = QObject::tr(operation.caption);
                appendRecord({typeId, caption, record.code + QLatin1Char('.') + QLatin1String(operation.name),
                              QLatin1String(operation.dataType), keyPrefix + caption, QStringLiteral("1"),
                              QObject::tr(operation.description)});
            }
        }
        return true;
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

} // namespace Model::Tavik
