#include "pgscratchdatabase.h"

#include "pgschema.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

PgScratchDatabase::PgScratchDatabase(const QString &prefix)
{
    m_error = PgSchema::missingEnvironment();
    if (!m_error.isEmpty())
        return;
    m_name = QStringLiteral("%1_%2_%3")
                 .arg(prefix)
                 .arg(QCoreApplication::applicationPid())
                 .arg(QRandomGenerator::global()->bounded(1000000));
    runOnCluster(QStringLiteral("CREATE DATABASE %1").arg(m_name));
}

PgScratchDatabase::~PgScratchDatabase()
{
    if (isValid())
        runOnCluster(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name));
}

bool PgScratchDatabase::runOnCluster(const QString &statement)
{
    const QString connection = QStringLiteral("scratch_") + m_name;
    bool ok = false;
    {
        QSqlDatabase db = PgSchema::addClusterDatabase(connection);
        if (!db.open()) {
            m_error = QStringLiteral("Cannot connect to PostgreSQL: ") + db.lastError().text();
        } else {
            QSqlQuery query(db);
            ok = query.exec(statement);
            if (!ok)
                m_error = statement + QStringLiteral(": ") + query.lastError().text();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}
