#include "scratchdatabase.h"

#include "pgschema.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

ScratchDatabase::ScratchDatabase(const QString &prefix)
{
    m_error = PgSchema::missingEnvironment();
    if (!m_error.isEmpty())
        return;
    m_name = QStringLiteral("%1_%2_%3")
                 .arg(prefix)
                 .arg(QCoreApplication::applicationPid())
                 .arg(QRandomGenerator::global()->bounded(1000000));
    runOnCluster(QStringLiteral("CREATE DATABASE ") + m_name);
}

ScratchDatabase::~ScratchDatabase()
{
    if (isOpen())
        runOnCluster(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

QProcessEnvironment ScratchDatabase::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGDATABASE"), m_name);
    return environment;
}

bool ScratchDatabase::runOnCluster(const QString &sql)
{
    const QString connection = QStringLiteral("cluster_") + m_name;
    bool ok = false;
    {
        QSqlDatabase database = PgSchema::addClusterDatabase(connection);
        if (!database.open()) {
            m_error = QStringLiteral("Cannot connect to PostgreSQL: ") + database.lastError().text();
        } else {
            QSqlQuery query(database);
            ok = query.exec(sql);
            if (!ok)
                m_error = sql + QLatin1String(": ") + query.lastError().text();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}
