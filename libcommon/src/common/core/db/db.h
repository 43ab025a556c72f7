#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

namespace Common {

// One open database connection: runs statements with named bind values and turns every driver
// failure into a thrown SqlQueryException. Opening and configuring the connection is the caller's.
class Db
{
public:
    explicit Db(const QSqlDatabase &database, bool traceQueries = false);

    QSqlDatabase database() const { return m_database; }
    bool traceQueries() const { return m_traceQueries; }
    void setTraceQueries(bool on) { m_traceQueries = on; }

    // Runs sql on query (made on database()). Bind keys carry their colon (":id"). Values under
    // maskedKeys are shown as "***" in the trace and in the exception. Returns true or throws.
    bool exec(QSqlQuery &query, const QString &sql, const QVariantMap &bindValues,
              const QStringList &maskedKeys = {});
    QSqlQuery query(const QString &sql, const QVariantMap &bindValues = {},
                    const QStringList &maskedKeys = {});

    // The database's clock in milliseconds since the epoch, as an SQL expression.
    QString now() const;
    // Completion codes of successful orders: the list, "1070, 5000, ..." and "(1070, 5000, ...)".
    static QVector<qint32> completedCodes();
    static QString joinedList();
    static QString sqlList();

    static QVariantMap masked(const QVariantMap &bindValues, const QStringList &maskedKeys);

private:
    bool tracing() const;

    QSqlDatabase m_database;
    bool m_traceQueries = false;
};

} // namespace Common
