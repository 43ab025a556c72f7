#include "querybuilder.h"

#include "catalogue.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"

#include <QJsonObject>

namespace Common {

using namespace Sql;

namespace {

const QLatin1String kId("id");

[[noreturn]] void refuse(const QString &location, const QString &reason)
{
    throw Exception(warningLine(location, reason));
}

} // namespace

QueryBuilder::QueryBuilder(const Catalogue &catalogue)
    : m_catalogue(catalogue)
    , m_table(catalogue.tableName())
{
}

void QueryBuilder::collect(Fields &fields) const
{
    m_catalogue.visitFields([&fields](const QString &name, const FieldDescriptor &field) {
        fields.append(FieldRef{&name, &field});
    });
}

QString QueryBuilder::columnExpression(const QString &name, const FieldDescriptor &field) const
{
    if (field.has(ATTACHED))
        return field.refTable + QLatin1Char('.') + field.attachedColumn;
    return m_table + QLatin1Char('.') + name;
}

QString &QueryBuilder::buildSelect(QString &out, const QStringList &columns) const
{
    Fields fields;
    collect(fields);
    writeSelect(out, fields, columns, {});
    return out;
}

void QueryBuilder::writeSelect(QString &out, const Fields &fields, const QStringList &columns,
                               QStringList attachedTables) const
{
    out.clear();
    out.reserve(64 + 48 * fields.size());
    out += QLatin1String("SELECT ");
    for (const FieldRef &ref : fields) {
        const FieldDescriptor &field = *ref.field;
        if (field.has(CUSTOM) || (!columns.isEmpty() && !columns.contains(*ref.name)))
            continue;
        if (field.has(ATTACHED)) {
            out += field.refTable;
            out += QLatin1Char('.');
            out += field.attachedColumn;
            if (!attachedTables.contains(field.refTable))
                attachedTables.append(field.refTable);
        } else {
            out += m_table;
            out += QLatin1Char('.');
            out += *ref.name;
        }
        out += QLatin1String(" AS ");
        out += *ref.name;
        out += QLatin1String(", ");
    }
    out.chop(2);
    out += QLatin1String(" FROM ");
    out += m_table;
    out += QLatin1String(" AS ");
    out += m_table;

    // Tables reached through a reference column of this table, then through joined tables.
    // Every field is searched, so a join does not depend on its reference column being selected.
    QStringList joined;
    for (const FieldRef &ref : fields) {
        const FieldDescriptor &field = *ref.field;
        if (field.has(REFERENCE) && attachedTables.contains(field.refTable) && !joined.contains(field.refTable)) {
            out += QLatin1String(" LEFT JOIN ");
            out += field.refTable;
            out += QLatin1String(" ON ");
            out += m_table;
            out += QLatin1Char('.');
            out += *ref.name;
            out += QLatin1Char('=');
            out += field.refTable;
            out += QLatin1String(".id");
            joined.append(field.refTable);
        }
    }
    for (const FieldRef &ref : fields) {
        const FieldDescriptor &field = *ref.field;
        if (field.has(ATTACHED) && !field.attachedJoin.isEmpty() && attachedTables.contains(field.refTable)
            && !joined.contains(field.refTable)) {
            out += QLatin1String(" LEFT JOIN ");
            out += field.refTable;
            out += QLatin1String(" ON ");
            out += field.attachedJoin;
            out += QLatin1Char('=');
            out += field.refTable;
            out += QLatin1String(".id");
            joined.append(field.refTable);
        }
    }
}

Statement QueryBuilder::listSelect(const QStringList &filterFields, const QStringList &columns,
                                   const OrderBy &orderBy, qint64 limit, const QJsonDocument &where) const
{
    if (limit < 0)
        refuse(COMMON_LOCATION, QStringLiteral("negative limit %1").arg(limit));
    Fields fields;
    collect(fields);
    Statement statement;
    QVariantMap &binds = statement.binds;

    // Tables that filters and sort keys draw attached values from must be joined as well.
    QStringList neededTables;
    auto need = [&neededTables](const FieldDescriptor &field) {
        if (field.has(ATTACHED) && !neededTables.contains(field.refTable))
            neededTables.append(field.refTable);
    };

    QString fixed = m_table + QLatin1String(".id > 1");
    if (const FieldDescriptor *last = m_catalogue.findField(QStringLiteral("dt_utc_last_update"))) {
        if (!last->value.toString().isEmpty()) {
            fixed += QLatin1String(" AND ") + m_table + QLatin1String(".dt_utc_last_update >= :dt_utc_last_update");
            binds.insert(QStringLiteral(":dt_utc_last_update"), last->bindValue());
        }
    }
    const QString insertStart = m_catalogue.queryOption(QStringLiteral("dt_utc_insert_start"));
    if (!insertStart.isEmpty()) {
        fixed += QLatin1String(" AND ") + m_table + QLatin1String(".dt_utc_insert >= :dt_utc_insert_start");
        binds.insert(QStringLiteral(":dt_utc_insert_start"), insertStart);
    }
    const QString insertEnd = m_catalogue.queryOption(QStringLiteral("dt_utc_insert_end"));
    if (!insertEnd.isEmpty()) {
        fixed += QLatin1String(" AND ") + m_table + QLatin1String(".dt_utc_insert<=:dt_utc_insert_end");
        binds.insert(QStringLiteral(":dt_utc_insert_end"), insertEnd);
    }
    for (const QString &name : filterFields) {
        const FieldDescriptor *field = m_catalogue.findField(name);
        if (!field || field->has(CUSTOM))
            continue;
        if (Catalogue::isCredential(name, *field))
            refuse(COMMON_LOCATION, QStringLiteral("'%1' of %2 is no filter field").arg(name, m_table));
        need(*field);
        fixed += QLatin1String(" AND ") + columnExpression(name, *field) + QLatin1String(" =:") + name;
        binds.insert(QLatin1Char(':') + name, field->bindValue());
    }
    const QString whereString = m_catalogue.whereString().trimmed();
    if (!whereString.isEmpty())
        fixed += QLatin1Char(' ') + whereString;

    QString groups;
    if (where.isObject() && !where.object().isEmpty())
        refuse(COMMON_LOCATION, QStringLiteral("filter groups are not an array"));
    if (where.isArray()) {
        const QVector<JsonWhere::Group> parsed = JsonWhere::parse(where.array(), m_catalogue);
        for (const JsonWhere::Group &group : parsed) {
            for (const JsonWhere::Expression &expression : group.expressions) {
                if (expression.used)
                    need(*m_catalogue.findField(expression.role));
            }
        }
        groups = filterGroups(parsed, binds);
    }

    QString order = QStringLiteral(" ORDER BY ");
    if (orderBy.isEmpty()) {
        order += m_table + QLatin1String(".id DESC");
    } else {
        for (const auto &key : orderBy) {
            const FieldDescriptor *field = m_catalogue.findField(key.first);
            if (!field || field->has(CUSTOM) || Catalogue::isCredential(key.first, *field)) {
                refuse(COMMON_LOCATION, QStringLiteral("Sort field '%1' is not a column of %2")
                                            .arg(key.first.left(64), m_table));
            }
            need(*field);
            order += QLatin1Char(' ') + columnExpression(key.first, *field)
                   + (key.second != 0 ? QLatin1String(" DESC,") : QLatin1String(" ASC,"));
        }
        order.chop(1);
    }

    writeSelect(statement.sql, fields, columns, neededTables);
    QString &sql = statement.sql;
    if (groups.isEmpty()) {
        sql += QLatin1String(" WHERE ") + fixed;
    } else {
        sql += QLatin1String(" WHERE (") + fixed + QLatin1String(") AND (") + groups + QLatin1Char(')');
    }
    sql += order;
    if (limit != 0)
        sql += QLatin1String(" LIMIT ") + QString::number(limit);
    return statement;
}

QString QueryBuilder::filterGroups(const QVector<JsonWhere::Group> &groups, QVariantMap &binds) const
{
    QString text;
    int n = 0;
    for (const JsonWhere::Group &group : groups) {
        QString body;
        bool previousAnd = true;
        for (const JsonWhere::Expression &expression : group.expressions) {
            const int number = n++;
            if (!expression.used)
                continue;
            if (!body.isEmpty())
                body += previousAnd ? QLatin1String(" AND ") : QLatin1String(" OR ");
            previousAnd = expression.andNext;
            const FieldDescriptor &field = *m_catalogue.findField(expression.role);
            const QString bindName = QStringLiteral(":json_value_") + QString::number(number);
            if (JsonWhere::isLike(expression.operation)) {
                body += QLatin1String("CAST(") + columnExpression(expression.role, field) + QLatin1String(" AS TEXT) ")
                      + JsonWhere::sql(expression.operation) + QLatin1Char(' ') + bindName
                      + QLatin1String(" ESCAPE '!'");
                binds.insert(bindName, JsonWhere::likePattern(expression.value));
            } else {
                body += columnExpression(expression.role, field) + QLatin1Char(' ')
                      + JsonWhere::sql(expression.operation) + QLatin1Char(' ') + bindName;
                binds.insert(bindName, expression.value);
            }
        }
        if (body.isEmpty())
            continue;
        if (!text.isEmpty())
            text += group.isAnd ? QLatin1String(" AND ") : QLatin1String(" OR ");
        text += QLatin1Char('(') + body + QLatin1Char(')');
    }
    return text;
}

Statement QueryBuilder::selectById(const QStringList &columns) const
{
    Statement statement;
    buildSelect(statement.sql, columns);
    statement.sql += QLatin1String(" WHERE ") + m_table + QLatin1String(".id = :id LIMIT 1");
    statement.binds.insert(QStringLiteral(":id"), m_catalogue.value(kId).toLongLong());
    return statement;
}

Statement QueryBuilder::selectByFields(const QString &uniqueField, QStringList &fields,
                                       const QStringList &columns) const
{
    const FieldDescriptor *unique = m_catalogue.findField(uniqueField);
    if (!unique || !unique->isColumn())
        refuse(COMMON_LOCATION, QStringLiteral("No column '%1' in %2").arg(uniqueField, m_table));
    // Every name is checked before the caller's list is touched.
    for (const QString &entry : qAsConst(fields)) {
        const QString name = entry.startsWith(QLatin1Char('!')) ? entry.mid(1) : entry;
        const FieldDescriptor *field = m_catalogue.findField(name);
        if (!field || !field->isColumn())
            refuse(COMMON_LOCATION, QStringLiteral("No column '%1' in %2").arg(name, m_table));
    }
    Statement statement;
    QString &sql = buildSelect(statement.sql, columns);
    sql += QLatin1String(" WHERE ") + m_table + QLatin1Char('.') + uniqueField + QLatin1String("=:UF");
    statement.binds.insert(QStringLiteral(":UF"), unique->bindValue());
    for (QString &entry : fields) {
        sql += QLatin1String(" AND ");
        if (entry.startsWith(QLatin1Char('!'))) {
            entry.remove(0, 1);
            sql += QLatin1String(" NOT ");
        }
        sql += m_table + QLatin1Char('.') + entry + QLatin1String("=:") + entry;
        statement.binds.insert(QLatin1Char(':') + entry, m_catalogue.findField(entry)->bindValue());
    }
    sql += QLatin1String(" LIMIT 1");
    return statement;
}

Statement QueryBuilder::insert(const QString &now, bool withPrimaryKey) const
{
    Fields fields;
    collect(fields);
    const quint64 leftOut = (withPrimaryKey ? 0 : quint64(PRIMARY_KEY)) | ATTACHED | CUSTOM;
    Statement statement;
    QString columns = QLatin1String(" INSERT INTO ") + m_table + QLatin1String(" (");
    QString values;
    for (const FieldRef &ref : fields) {
        const FieldDescriptor &field = *ref.field;
        if (field.has(leftOut))
            continue;
        columns += *ref.name + QLatin1Char(',');
        if (field.has(UPDATE_TIMESTAMP | INSERT_TIMESTAMP)) {
            values += now;
        } else {
            const QString bindName = QLatin1Char(':') + *ref.name;
            values += bindName;
            statement.binds.insert(bindName, field.bindable(field.has(INSERT_DEFAULT) ? field.defaultValue
                                                                                     : field.value));
        }
        values += QLatin1Char(',');
    }
    columns.chop(1);
    values.chop(1);
    statement.sql = columns + QLatin1String(") VALUES (") + values + QLatin1String(") RETURNING ")
                  + m_catalogue.primaryKey();
    return statement;
}

Statement QueryBuilder::update(const QString &now) const
{
    Fields fields;
    collect(fields);
    const quint64 leftOut = PRIMARY_KEY | INSERT_TIMESTAMP | ATTACHED | NON_UPDATABLE | CUSTOM;
    Statement statement;
    QString &sql = statement.sql;
    sql = QLatin1String("UPDATE ") + m_table + QLatin1String(" SET ");
    for (const FieldRef &ref : fields) {
        const FieldDescriptor &field = *ref.field;
        if (field.has(leftOut))
            continue;
        sql += *ref.name + QLatin1Char('=');
        if (field.has(UPDATE_TIMESTAMP)) {
            sql += now;
        } else {
            const QString bindName = QLatin1Char(':') + *ref.name;
            sql += bindName;
            statement.binds.insert(bindName, field.bindValue());
        }
        sql += QLatin1Char(',');
    }
    sql.chop(1);
    sql += QLatin1String(" WHERE id = :id");
    statement.binds.insert(QStringLiteral(":id"), m_catalogue.value(kId).toLongLong());
    return statement;
}

QStringList QueryBuilder::secretKeys() const
{
    QStringList keys;
    m_catalogue.visitFields([&keys](const QString &name, const FieldDescriptor &field) {
        if (Catalogue::isSecret(name, field))
            keys.append(QLatin1Char(':') + name);
    });
    return keys;
}

} // namespace Common
