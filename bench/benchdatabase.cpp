#include "benchdatabase.h"

#include "common/core/db/pgenvironment.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace Bench {

QString missingEnvironment()
{
    for (const char *name : {"PGHOST", "PGPORT", "PGUSER", "PGDATABASE"}) {
        if (qEnvironmentVariableIsEmpty(name))
            return QStringLiteral("%1 not set: start a cluster with eval \"$(scripts/pg-tmp.sh start)\"")
                .arg(QLatin1String(name));
    }
    return QString();
}

std::unique_ptr<Common::Db> openDb(QString *error)
{
    *error = missingEnvironment();
    if (!error->isEmpty())
        return nullptr;
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
    Common::applyPgEnvironment(database);
    if (!database.open()) {
        *error = database.lastError().text();
        return nullptr;
    }
    return std::make_unique<Common::Db>(database);
}

Common::Db *sharedDb(QString *error)
{
    static std::unique_ptr<Common::Db> db;
    static QString reason;
    if (!db && reason.isEmpty())
        db = openDb(&reason);
    *error = reason;
    return db.get();
}

bool enterFreshSchema(QSqlQuery &query, const QString &schema, QString *error)
{
    for (const QString &sql : {QStringLiteral("SET client_min_messages TO error"),
                               QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema),
                               QStringLiteral("CREATE SCHEMA %1").arg(schema),
                               QStringLiteral("SET search_path TO %1").arg(schema)}) {
        if (!query.exec(sql)) {
            *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace Bench
