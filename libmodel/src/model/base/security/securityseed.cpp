#include "securityseed.h"

#include "model/base/abstractmodel.h"
#include "model/base/seedlist.h"

#include "common/core/db/dao.h"
#include "common/core/db/db.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QSet>
#include <QSqlQuery>

namespace Model::Base {

namespace {

// The default row, then the list; logs which of the two failed.
bool prepareSecuritySeed(AbstractModel *model, Common::Db *db, const QString &location,
                         const std::function<bool()> &populateList)
{
    Logger *logger = Logger::instance(model->loggerId());
    if (!model->AbstractModel::createSystemRecords(db)) {
        logger->warning(QStringLiteral("%1 (tn: '%2''). Failed to Model::createSystemRecords()")
                            .arg(location, model->tableName()));
        return false;
    }
    if (!populateList()) {
        logger->warning(QStringLiteral("%1 (tn: '%2''). Failed to populateListControllerName()")
                            .arg(location, model->tableName()));
        return false;
    }
    return true;
}

// Inserts, in list order, every row whose code the table lacks.
bool insertMissingCodes(AbstractModel *model, Common::Db *db, const QString &location,
                        const QVector<SecuritySeedRow> &rows)
{
    const QString code = QStringLiteral("code");
    QList<QVariantMap> storedRows;
    if (!readStoredRows(model, db, {code}, storedRows))
        return false;
    QSet<QString> stored;
    for (const QVariantMap &row : storedRows)
        stored.insert(row.value(code).toString());

    Common::Dao dao(model, db);
    dao.setLoggerId(model->loggerId());
    dao.setReloadAfterWrite(false);
    for (const SecuritySeedRow &row : rows) {
        if (stored.contains(row.code))
            continue;
        if (!SeedList::insertRow(model, dao, code, row.code, row.values, location))
            return false;
        stored.insert(row.code);
    }
    return true;
}

} // namespace

bool readStoredRows(AbstractModel *model, Common::Db *db, const QStringList &columns, QList<QVariantMap> &rows)
{
    model->resetValues();
    Common::Dao dao(model, db);
    dao.setLoggerId(model->loggerId());
    QSqlQuery query(db->database());
    if (!dao.select(query, {}, columns, {{QStringLiteral("id"), 0}}, 0, QJsonDocument()))
        return false;
    while (query.next()) {
        QVariantMap row;
        for (const QString &column : columns)
            row.insert(column, query.value(column));
        rows.append(row);
    }
    return true;
}

bool seedSecurityCatalogue(AbstractModel *model, Common::Db *db, const QString &location,
                           const std::function<bool()> &populateList,
                           const std::function<QVector<SecuritySeedRow>()> &makeRows)
{
    try {
        if (!prepareSecuritySeed(model, db, location, populateList))
            return false;
        return insertMissingCodes(model, db, location, makeRows());
    } catch (const Exception &e) {
        Logger::instance(model->loggerId())->warning(Common::warningLine(location, e.message()));
    }
    return false;
}

} // namespace Model::Base
