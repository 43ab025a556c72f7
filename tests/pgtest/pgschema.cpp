#include "pgschema.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

QString PgSchema::missingEnvironment()
{
    QStringList missing;
    for (const char *name : {"PGHOST", "PGPORT", "PGUSER", "PGDATABASE"}) {
        if (qEnvironmentVariableIsEmpty(name))
            missing.append(QLatin1String(name));
    }
    if (missing.isEmpty())
        return QString();
    return QStringLiteral("%1 not set: this test needs PostgreSQL. Start a throwaway cluster with "
                          "eval \"$(scripts/pg-tmp.sh start)\" or run scripts/test.sh")
        .arg(missing.join(QLatin1String(", ")));
}

QSqlDatabase PgSchema::addClusterDatabase(const QString &connection)
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    database.setHostName(qEnvironmentVariable("PGHOST"));
    database.setPort(qEnvironmentVariable("PGPORT").toInt());
    database.setUserName(qEnvironmentVariable("PGUSER"));
    database.setPassword(qEnvironmentVariable("PGPASSWORD"));
    database.setDatabaseName(qEnvironmentVariable("PGDATABASE"));
    return database;
}

PgSchema::PgSchema()
{
    m_error = missingEnvironment();
    if (!m_error.isEmpty())
        return;
    static std::atomic<int> counter{0};
    const QString suffix = QStringLiteral("%1_%2_%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(counter++)
                               .arg(QRandomGenerator::global()->bounded(1000000));
    m_name = QStringLiteral("t_") + suffix;
    m_connection = QStringLiteral("pgtest_") + suffix;
    m_database = addClusterDatabase(m_connection);
    if (!m_database.open()) {
        m_error = QStringLiteral("Cannot connect to PostgreSQL: ") + m_database.lastError().text();
        return;
    }
    if (!run(QStringLiteral("CREATE SCHEMA ") + m_name) || !run(QStringLiteral("SET search_path TO ") + m_name)
        || !run(QStringLiteral("SET TIME ZONE 'UTC'"))
        || !run(QStringLiteral("SET client_min_messages TO error")))
        return;
    m_db = std::make_unique<Common::Db>(m_database);
    m_open = true;
}

PgSchema::~PgSchema()
{
    if (m_database.isOpen()) {
        QSqlQuery(m_database).exec(QStringLiteral("ROLLBACK"));
        QSqlQuery(m_database).exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(m_name));
        m_database.close();
    }
    m_db.reset();
    m_database = QSqlDatabase();
    if (!m_connection.isEmpty())
        QSqlDatabase::removeDatabase(m_connection);
}

bool PgSchema::run(const QString &sql)
{
    QSqlQuery query(m_database);
    if (query.exec(sql))
        return true;
    m_error = sql + QLatin1String(": ") + query.lastError().text();
    return false;
}

QVariant PgSchema::scalar(const QString &sql)
{
    QSqlQuery query(m_database);
    if (!query.exec(sql) || !query.next()) {
        m_error = sql + QLatin1String(": ") + query.lastError().text();
        return QVariant();
    }
    return query.value(0);
}

QList<QVariantList> PgSchema::rows(const QString &sql)
{
    QList<QVariantList> result;
    QSqlQuery query(m_database);
    if (!query.exec(sql)) {
        m_error = sql + QLatin1String(": ") + query.lastError().text();
        return result;
    }
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.append(query.value(i));
        result.append(row);
    }
    return result;
}

QStringList PgSchema::lines(const QString &sql)
{
    QStringList result;
    for (const QVariantList &row : rows(sql)) {
        QStringList columns;
        for (const QVariant &value : row)
            columns.append(value.isNull() ? QStringLiteral("NULL") : value.toString());
        result.append(columns.join(QLatin1Char('|')));
    }
    return result;
}
