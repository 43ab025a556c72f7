#include "securityoptiontype.h"

#include "securityoptiongroup.h"

#include "model/base/security/securityseed.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QHash>
#include <QObject>

namespace Model::Tavik {

bool SecurityOptionType::populateListControllerName(Common::Db *db)
{
    try {
        SecurityOptionGroup group;
        group.setLoggerId(loggerId());
        if (!group.populateListControllerName(db)) {
            Logger::instance(loggerId())->warning(Common::warningLine(
                COMMON_LOCATION, QStringLiteral("(cn: %1) can't sog->populateListControllerName()").arg(tableName())));
            return false;
        }
        // The stored groups, read at once.
        QList<QVariantMap> stored;
        if (!Base::readStoredRows(&group, db, {QStringLiteral("id"), QStringLiteral("code")}, stored))
            return false;
        QHash<QString, qint64> ids;
        for (const QVariantMap &row : stored)
            ids.insert(row.value(QStringLiteral("code")).toString(), row.value(QStringLiteral("id")).toLongLong());
        const QString typeName = QObject::tr("crud operations");
        for (const Base::SecurityOptionGroup::Record &record : group.records()) {
            const auto it = ids.constFind(record.code);
            if (it == ids.cend())
                return false;
            appendRecord({QString::number(it.value()), typeName, record.code + QLatin1String(".crud")});
        }
        return true;
    } catch (const Exception &e) {
        Logger::instance(loggerId())->warning(Common::warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

} // namespace Model::Tavik
