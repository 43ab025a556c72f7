#include "db.h"

#include "common/core/exception/location.h"
#include "common/core/exception/sqlqueryexception.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlField>

namespace Common {

namespace {

const QVector<qint32> successfulOrderCodes = {1070, 5000, 7000, 7001, 7002, 9000};

bool isNameStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// The value as the driver writes it into a statement (NULL for a null value).
QString literal(const QSqlDriver *driver, const QVariant &value)
{
    QSqlField field;
    field.setType(value.type());
    if (value.isNull())
        field.clear();
    else
        field.setValue(value);
    return driver->formatValue(field);
}

// The statement with every ":name" of the bind values replaced by the value's literal. Quoted
// texts and names and "::" casts are copied as they are. False when a name has no value.
bool withLiterals(const QString &sql, const QVariantMap &bindValues, const QSqlDriver *driver, QString *out)
{
    out->clear();
    out->reserve(sql.size() + 16 * bindValues.size());
    const int size = sql.size();
    for (int i = 0; i < size;) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            int end = sql.indexOf(c, i + 1);
            while (end >= 0 && end + 1 < size && sql.at(end + 1) == c)
                end = sql.indexOf(c, end + 2);
            end = end < 0 ? size : end + 1;
            out->append(sql.midRef(i, end - i));
            i = end;
        } else if (c == QLatin1Char(':') && i + 1 < size && sql.at(i + 1) == QLatin1Char(':')) {
            out->append(QLatin1String("::"));
            i += 2;
        } else if (c == QLatin1Char(':') && i + 1 < size && isNameStart(sql.at(i + 1))) {
            int end = i + 2;
            while (end < size && isNamePart(sql.at(end)))
                ++end;
            const auto value = bindValues.constFind(sql.mid(i, end - i));
            if (value == bindValues.constEnd())
                return false;
            out->append(literal(driver, value.value()));
            i = end;
        } else {
            out->append(c);
            ++i;
        }
    }
    return true;
}

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
    QString written;
    if (!bindValues.isEmpty() && m_database.driver()->dbmsType() == QSqlDriver::PostgreSQL
        && withLiterals(sql, bindValues, m_database.driver(), &written)) {
        // Qt's PostgreSQL driver writes bound values into "EXECUTE name (...)" with this same
        // formatting; written in place, the statement takes one round trip instead of three
        // (PREPARE, EXECUTE, DEALLOCATE).
        ok = query.exec(written);
    } else if (!bindValues.isEmpty()) {
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
        // The statement as written by the caller: values only masked, in the bound values.
        throw SqlQueryException(warningLine(COMMON_LOCATION, QStringLiteral("Query exec error")), sql, query,
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
