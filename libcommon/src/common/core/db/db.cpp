#include "db.h"

#include "common/core/exception/location.h"
#include "common/core/exception/sqlqueryexception.h"

#include <QDebug>
#include <QElapsedTimer>

namespace Common {

namespace {

const QVector<qint32> successfulOrderCodes = {1070, 5000, 7000, 7001, 7002, 9000};

} // namespace

Db::Db(const QSqlDatabase &database, bool traceQueries)
    : m_database(database)
    , m_traceQueries(traceQueries)
{
}

bool Db::tracing() const
{
    return m_traceQueries && qEnvironmentVariable("queryDebug", QStringLiteral("0")) == QLatin1String("1");
}

QVariantMap Db::masked(const QVariantMap &bindValues, const QStringList &maskedKeys)
{
    if (maskedKeys.isEmpty())
        return bindValues;
    QVariantMap result = bindValues;
    for (const QString &key : maskedKeys) {
        auto it = result.find(key);
        if (it != result.end())
            it.value() = QStringLiteral("***");
    }
    return result;
}

bool Db::exec(QSqlQuery &query, const QString &sql, const QVariantMap &bindValues,
              const QStringList &maskedKeys)
{
    QElapsedTimer timer;
    if (tracing()) {
        timer.start();
        qInfo().noquote() << QStringLiteral("Begin query %1 | %2 |").arg(m_database.connectionName()).arg(sql)
                          << masked(bindValues, maskedKeys);
    }
    bool ok;
    if (!bindValues.isEmpty()) {
        if (!query.prepare(sql)) {
            throw SqlQueryException(warningLine(COMMON_LOCATION, QStringLiteral("Query prepare error")), query,
                                    masked(bindValues, maskedKeys));
        }
        for (auto it = bindValues.cbegin(); it != bindValues.cend(); ++it)
            query.bindValue(it.key(), it.value(), QSql::In);
        ok = query.exec();
    } else {
        ok = query.exec(sql);
    }
    if (tracing()) {
        qInfo().noquote() << QStringLiteral("Finish query %1:").arg(m_database.connectionName())
                          << timer.elapsed();
    }
    if (!ok) {
        throw SqlQueryException(warningLine(COMMON_LOCATION, QStringLiteral("Query exec error")), query,
                                masked(bindValues, maskedKeys));
    }
    return true;
}

QSqlQuery Db::query(const QString &sql, const QVariantMap &bindValues, const QStringList &maskedKeys)
{
    QSqlQuery result(m_database);
    exec(result, sql, bindValues, maskedKeys);
    return result;
}

QString Db::now() const
{
    return QStringLiteral("EXTRACT(epoch FROM now()) * 1000");
}

QVector<qint32> Db::completedCodes()
{
    return successfulOrderCodes;
}

QString Db::joinedList()
{
    QString text;
    for (qint32 code : successfulOrderCodes)
        text += QString::number(code) + QLatin1String(", ");
    text.chop(2);
    return text;
}

QString Db::sqlList()
{
    return QLatin1Char('(') + joinedList() + QLatin1Char(')');
}

} // namespace Common
