#include "dao.h"

#include "catalogue.h"
#include "db.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/exception/sqlqueryexception.h"
#include "common/core/logger/logger.h"

#include <QRegularExpression>
#include <QUuid>

namespace Common {

Dao::Dao(Catalogue *model, Db *db)
    : m_model(model)
    , m_db(db)
{
}

void Dao::warn(const QString &text)
{
    m_failed = true;
    Logger::instance(m_loggerId)->warning(scrub(text));
}

void Dao::warnPrefixed(const QString &callerInfo, const QString &line)
{
    warn(callerInfo.isEmpty() ? line : callerInfo + QLatin1String(" :") + line);
}

// Driver errors may echo the statement with its values ("LINE 1: EXECUTE ... ('value', ...)")
// or quote a rejected value; such context lines are dropped and secret values cut out.
// Bound values are masked by Db already.
QString Dao::scrub(const QString &message) const
{
    // A rejected row is echoed whole and unquoted ("Failing row contains (2, a, b, ...)").
    static const QRegularExpression failingRow(QStringLiteral("(Failing row contains )\\([^\\n]*\\)"));
    QString result = SqlQueryException::withoutStatementEcho(message);
    m_model->visitFields([&result](const QString &name, const FieldDescriptor &field) {
        if (!Catalogue::isSecret(name, field))
            return;
        const QString value = field.value.toString();
        if (value.isEmpty())
            return;
        result.replace(failingRow, QStringLiteral("\\1(***)"));
        result.replace(QLatin1Char('"') + value + QLatin1Char('"'), QLatin1String("\"***\""));
        result.replace(QLatin1Char('\'') + value + QLatin1Char('\''), QLatin1String("'***'"));
    });
    return result;
}

QString &Dao::buildSelect(QString &out, const QStringList &columns)
{
    return QueryBuilder(*m_model).buildSelect(out, columns);
}

void Dao::checkJsonWhere(const QString &jsonText)
{
    JsonWhere::parse(jsonText, *m_model);
}

bool Dao::select(QSqlQuery &query, const QStringList &filterFields, const QStringList &columns,
                 const OrderBy &orderBy, qint64 limit, const QJsonDocument &where)
{
    m_failed = false;
    try {
        const QueryBuilder builder(*m_model);
        const Statement statement = builder.listSelect(filterFields, columns, orderBy, limit, where);
        return m_db->exec(query, statement.sql, statement.binds, builder.secretKeys());
    } catch (const Exception &e) {
        warn(warningLine(COMMON_LOCATION, e.message()));
    }
    return false;
}

// Builds a keyed read and fills the catalogue from its first row; false when the statement cannot
// be built, fails or finds no row.
bool Dao::readRow(const QString &callerInfo, const QString &location,
                  const std::function<Statement(const QueryBuilder &)> &build)
{
    m_failed = false;
    Statement statement;
    QStringList secrets;
    try {
        const QueryBuilder builder(*m_model);
        statement = build(builder);
        secrets = builder.secretKeys();
    } catch (const Exception &e) {
        warnPrefixed(callerInfo, warningLine(location, e.message()));
        return false;
    }
    try {
        QSqlQuery query(m_db->database());
        m_db->exec(query, statement.sql, statement.binds, secrets);
        if (!query.first())
            return false;
        m_model->fillFromQuery(query);
        return true;
    } catch (const Exception &e) {
        warn(warningLine(location, e.message()));
    }
    return false;
}

bool Dao::selectById(const QString &callerInfo, const QStringList &columns)
{
    return readRow(callerInfo, COMMON_LOCATION,
                   [&columns](const QueryBuilder &builder) { return builder.selectById(columns); });
}

bool Dao::loadById(qint64 id, const QString &callerInfo, const QStringList &columns)
{
    try {
        m_model->setValue(QStringLiteral("id"), id);
    } catch (const Exception &e) {
        warnPrefixed(callerInfo, warningLine(COMMON_LOCATION, e.message()));
        return false;
    }
    return selectById(callerInfo, columns);
}

bool Dao::selectByFields(const QString &uniqueField, QStringList &fields, const QString &callerInfo,
                         const QStringList &columns)
{
    return readRow(callerInfo, COMMON_LOCATION, [&](const QueryBuilder &builder) {
        return builder.selectByFields(uniqueField, fields, columns);
    });
}

bool Dao::selectByFields(const QString &uniqueField, const QString &callerInfo)
{
    QStringList none;
    return selectByFields(uniqueField, none, callerInfo);
}

bool Dao::insert(const QString &callerInfo)
{
    return write(callerInfo, false, COMMON_LOCATION);
}

bool Dao::insertWithId(const QString &callerInfo)
{
    return write(callerInfo, true, COMMON_LOCATION);
}

void Dao::execInSavepoint(QSqlQuery &query, const Statement &statement, const QStringList &secrets)
{
    if (m_savepoint)
        query.exec(QStringLiteral("SAVEPOINT point;"));
    m_db->exec(query, statement.sql, statement.binds, secrets);
}

void Dao::releaseSavepoint(QSqlQuery &query)
{
    if (m_savepoint)
        query.exec(QStringLiteral("RELEASE point;"));
}

void Dao::rollbackToSavepoint(QSqlQuery &query)
{
    if (m_savepoint)
        query.exec(QStringLiteral("ROLLBACK TO point;"));
}

bool Dao::write(const QString &callerInfo, bool withPrimaryKey, const QString &location)
{
    m_failed = false;
    Statement statement;
    QStringList secrets;
    try {
        // A fresh key only for a row that has none yet: a retried insert keeps its key, so a
        // unique index can reject the repeat.
        m_model->visitFields([this](const QString &name, const FieldDescriptor &field) {
            if (!field.has(Sql::IS_UUID) || !field.isColumn())
                return;
            const QString value = field.value.toString().trimmed();
            if (value.isEmpty() || value == QLatin1String("n/a"))
                m_model->setValue(name, QUuid::createUuid().toString());
        });
        const QueryBuilder builder(*m_model);
        statement = builder.insert(m_db->now(), withPrimaryKey);
        secrets = builder.secretKeys();
    } catch (const Exception &e) {
        warnPrefixed(callerInfo, warningLine(location, e.message()));
        return false;
    }
    QSqlQuery query(m_db->database());
    try {
        execInSavepoint(query, statement, secrets);
        const QVariant id = query.next() ? query.value(0) : QVariant();
        if (withPrimaryKey && !moveSequence(query))
            return false;
        releaseSavepoint(query);
        if (id.isValid())
            m_model->setValue(m_model->primaryKey(), id);
    } catch (const Exception &e) {
        rollbackToSavepoint(query);
        warn(warningLine(location, e.message()));
        return false;
    }
    if (m_reloadAfterWrite && !selectById(location))
        return false;
    return true;
}

// After a row was inserted under an explicit key, the key sequence must not hand that key out.
bool Dao::moveSequence(QSqlQuery &query)
{
    const QString table = m_model->tableName();
    const QString key = m_model->primaryKey();
    const QString sql =
        QStringLiteral("SELECT setval(s.seq, GREATEST(COALESCE(pg_sequence_last_value(s.seq), 1), "
                       "(SELECT COALESCE(MAX(%2), 1) FROM %1))) "
                       "FROM (SELECT CAST(pg_get_serial_sequence(:table, :key) AS regclass) AS seq) AS s "
                       "WHERE s.seq IS NOT NULL")
            .arg(table, key);
    m_db->exec(query, sql, {{QStringLiteral(":table"), table}, {QStringLiteral(":key"), key}});
    return true;
}

bool Dao::updateById(const QString &callerInfo)
{
    m_failed = false;
    Statement statement;
    QStringList secrets;
    try {
        const QueryBuilder builder(*m_model);
        statement = builder.update(m_db->now());
        secrets = builder.secretKeys();
    } catch (const Exception &e) {
        QStringList names;
        m_model->visitFields([&names](const QString &name, const FieldDescriptor &) { names.append(name); });
        warnPrefixed(callerInfo, warningLine(COMMON_LOCATION, e.message()) + QLatin1String(". Fields: ")
                                     + m_model->debugString(names));
        return false;
    }
    QSqlQuery query(m_db->database());
    try {
        execInSavepoint(query, statement, secrets);
        const int touched = query.numRowsAffected();
        releaseSavepoint(query);
        if (touched == 0) {
            warn(warningLine(COMMON_LOCATION, QStringLiteral("No row with id %1 in %2")
                                                  .arg(statement.binds.value(QStringLiteral(":id")).toString(),
                                                       m_model->tableName())));
            return false;
        }
    } catch (const Exception &e) {
        rollbackToSavepoint(query);
        warn(warningLine(COMMON_LOCATION, e.message()));
        return false;
    }
    if (m_reloadAfterWrite)
        return selectById(QString());
    return true;
}

} // namespace Common
