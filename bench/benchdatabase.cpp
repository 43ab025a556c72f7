#include "benchdatabase.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace Bench {

std::unique_ptr<Common::Db> openDb(QString *error)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
    database.setHostName(qEnvironmentVariable("PGHOST"));
    database.setPort(qEnvironmentVariable("PGPORT").toInt());
    database.setUserName(qEnvironmentVariable("PGUSER"));
    database.setPassword(qEnvironmentVariable("PGPASSWORD"));
    database.setDatabaseName(qEnvironmentVariable("PGDATABASE"));
    if (!database.open()) {
        *error = database.lastError().text();
        return nullptr;
    }
    return std::make_unique<Common::Db>(database);
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
