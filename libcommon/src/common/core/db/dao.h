#pragma once

#include "querybuilder.h"

#include <QJsonDocument>
#include <QSqlQuery>
#include <QStringList>

#include <functional>

namespace Common {

class Catalogue;
class Db;

// Data-access object over one catalogue and one connection: list queries, keyed reads, inserts
// and updates generated from the field flags. Reads fill the catalogue's values; writes store
// them. Every operation logs its own failure once and returns false; none throws.
class Dao
{
public:
    using OrderBy = QueryBuilder::OrderBy;

    Dao(Catalogue *model, Db *db);

    void setReloadAfterWrite(bool on) { m_reloadAfterWrite = on; }
    // Writes inside SAVEPOINT point / RELEASE point, rolled back to the savepoint on failure.
    // Takes effect only inside a transaction the caller opened on the connection.
    void setSavepoint(bool on) { m_savepoint = on; }
    void setLoggerId(int id) { m_loggerId = id; }

    // True when the last operation ended in an error; false when it succeeded or only found no row.
    bool failed() const { return m_failed; }

    QString &buildSelect(QString &out, const QStringList &columns);
    bool select(QSqlQuery &query, const QStringList &filterFields, const QStringList &columns,
                const OrderBy &orderBy, qint64 limit, const QJsonDocument &where);
    // Validates filter groups given as JSON text; throws Exception with the reason.
    void checkJsonWhere(const QString &jsonText);

    bool selectById(const QString &callerInfo, const QStringList &columns = {});
    bool loadById(qint64 id, const QString &callerInfo, const QStringList &columns = {});
    bool selectByFields(const QString &uniqueField, QStringList &fields, const QString &callerInfo,
                        const QStringList &columns = {});
    bool selectByFields(const QString &uniqueField, const QString &callerInfo);
    // Inserts the values as a new row; the database assigns the key, which the model receives.
    // IS_UUID fields that are empty or "n/a" get a fresh UUID first.
    bool insert(const QString &callerInfo);
    // Inserts the row under the model's own key and moves the key sequence past it.
    bool insertWithId(const QString &callerInfo);
    // Updates the row with the model's id; false when the statement fails or touches no row.
    bool updateById(const QString &callerInfo);

private:
    bool readRow(const QString &callerInfo, const QString &location,
                 const std::function<Statement(const QueryBuilder &)> &build);
    bool write(const QString &callerInfo, bool withPrimaryKey, const QString &location);
    bool moveSequence(QSqlQuery &query);
    void warn(const QString &text);
    void warnPrefixed(const QString &callerInfo, const QString &line);
    QString scrub(const QString &message) const;
    // Runs a write statement, after SAVEPOINT point when savepoints are on.
    void execInSavepoint(QSqlQuery &query, const Statement &statement, const QStringList &secrets);
    void releaseSavepoint(QSqlQuery &query);
    void rollbackToSavepoint(QSqlQuery &query);

    Catalogue *m_model;
    Db *m_db;
    int m_loggerId = 0;
    bool m_savepoint = false;
    bool m_reloadAfterWrite = true;
    bool m_failed = false;
};

} // namespace Common
