#pragma once

#include "jsonwhere.h"
#include "statement.h"

#include <QJsonDocument>
#include <QPair>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

namespace Common {

class Catalogue;
struct FieldDescriptor;

// Writes the SQL of a catalogue: the SELECT list with its joins, list queries with fixed filters,
// filter groups, order and limit, keyed reads, inserts and updates. Request values are always
// bound; only names of the catalogue and fixed words reach the statement text.
// Builders throw Exception for requests they refuse.
class QueryBuilder
{
public:
    using OrderBy = QVector<QPair<QString, int>>;

    explicit QueryBuilder(const Catalogue &catalogue);

    // "SELECT T.a AS a, ... FROM T AS T LEFT JOIN ..." for the given columns (all when empty).
    QString &buildSelect(QString &out, const QStringList &columns) const;

    Statement listSelect(const QStringList &filterFields, const QStringList &columns, const OrderBy &orderBy,
                         qint64 limit, const QJsonDocument &where) const;
    Statement selectById(const QStringList &columns) const;
    // Names in fields starting with "!" ask for inequality; the "!" is removed from the list.
    Statement selectByFields(const QString &uniqueField, QStringList &fields, const QStringList &columns) const;
    // now is the database's clock expression (Db::now()); withPrimaryKey writes the key column too.
    Statement insert(const QString &now, bool withPrimaryKey = false) const;
    Statement update(const QString &now) const;

    // Bind keys of the fields whose values never go to a log.
    QStringList secretKeys() const;

private:
    struct FieldRef
    {
        const QString *name;
        const FieldDescriptor *field;
    };
    using Fields = QVarLengthArray<FieldRef, 64>;

    void collect(Fields &fields) const;
    void writeSelect(QString &out, const Fields &fields, const QStringList &columns,
                     QStringList attachedTables) const;
    QString columnExpression(const QString &name, const FieldDescriptor &field) const;
    QString filterGroups(const QVector<JsonWhere::Group> &groups, QVariantMap &binds) const;

    const Catalogue &m_catalogue;
    QString m_table;
};

} // namespace Common
