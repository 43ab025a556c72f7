#include "modeltablecreator.h"

#include "abstractmodel.h"

#include "common/core/db/db.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QLocale>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QtMath>

namespace Model {

namespace {

const char *actionWord(quint8 code)
{
    switch (code) {
    case FK_RESTRICT: return "RESTRICT";
    case FK_NO_ACTION: return "NO ACTION";
    case FK_CASCADE: return "CASCADE";
    case FK_SET_NULL: return "SET NULL";
    case FK_SET_DEFAULT: return "SET DEFAULT";
    default: return nullptr;
    }
}

[[noreturn]] void refuse(const QString &message)
{
    throw Exception(message);
}

QString numberText(double value)
{
    if (qIsNaN(value))
        return QStringLiteral("'NaN'");
    if (qIsInf(value))
        return value > 0 ? QStringLiteral("'Infinity'") : QStringLiteral("'-Infinity'");
    // The shortest text that reads back as the same double.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

ModelTableCreator::~ModelTableCreator() = default;

QString ModelTableCreator::columnDefinition(const QString &table, const QString &name, const Field &field) const
{
    const bool key = field.has(PRIMARY_KEY);
    QString text = name;
    switch (field.type) {
    case SQL_INTEGER: text += key ? QLatin1String(" SERIAL") : QLatin1String(" INTEGER"); break;
    case SQL_BIGINTEGER: text += key ? QLatin1String(" BIGSERIAL") : QLatin1String(" BIGINT"); break;
    case SQL_REAL: text += QLatin1String(" REAL"); break;
    case SQL_DOUBLE: text += QLatin1String(" DOUBLE PRECISION"); break;
    case SQL_VARCHAR: text += QStringLiteral(" VARCHAR(%1)").arg(field.length); break;
    case SQL_TEXT: text += QLatin1String(" TEXT"); break;
    default:
        qCritical().noquote() << table + QLatin1String(" Model create table error: Unsupported datatype. ")
                                     + QLatin1String("Field name: ") + name;
        refuse(table + QLatin1String(" Model create table error: Unsupported datatype. ") + QLatin1String("Field name: ")
               + name);
    }
    if (field.required)
        text += QLatin1String(" NOT NULL");
    if (field.defaultValue.isValid()) {
        bool ok = true;
        QString value;
        switch (field.type) {
        case SQL_INTEGER: value = QString::number(field.defaultValue.toInt(&ok)); break;
        case SQL_BIGINTEGER: value = QString::number(field.defaultValue.toLongLong(&ok)); break;
        case SQL_REAL:
        case SQL_DOUBLE: value = numberText(field.defaultValue.toDouble(&ok)); break;
        default:
            value = QLatin1Char('\'') + field.defaultValue.toString().replace(QLatin1Char('\''), QLatin1String("''"))
                  + QLatin1Char('\'');
        }
        if (!ok) {
            refuse(table + QLatin1String(" Model create table error: Invalid default. Field name: ") + name);
        }
        text += QLatin1String(" DEFAULT ") + value + QLatin1Char(' ');
    }
    if (key)
        text += QLatin1String(" PRIMARY KEY");
    if (field.has(REFERENCE)) {
        text += QLatin1String(" REFERENCES ") + field.refTable + QLatin1Char('(')
              + (field.refColumn.isEmpty() ? QStringLiteral("id") : field.refColumn) + QLatin1Char(')');
        if (const char *word = actionWord(field.onDelete()))
            text += QLatin1String(" ON DELETE ") + QLatin1String(word);
        if (const char *word = actionWord(field.onUpdate()))
            text += QLatin1String(" ON UPDATE ") + QLatin1String(word);
    }
    return text;
}

QString ModelTableCreator::indexName(const QString &table, const QStringList &columns)
{
    const QString plain = table + QLatin1Char('_') + columns.join(QLatin1Char('_'));
    if (plain.toUtf8().size() <= MaxIndexName)
        return plain;
    return hashedIndexName(table, columns, false);
}

QString ModelTableCreator::hashedIndexName(const QString &table, const QStringList &columns, bool unique)
{
    const QString definition = table + QLatin1Char('(') + columns.join(QLatin1Char(',')) + QLatin1Char(')')
                             + (unique ? QLatin1String(" unique") : QLatin1String(""));
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(definition.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    QString head = table + QLatin1Char('_') + columns.join(QLatin1Char('_'));
    while (head.toUtf8().size() > MaxIndexName - 9)
        head.chop(1);
    return head + QLatin1Char('_') + hash;
}

QString ModelTableCreator::indexSql(const QString &name, const QString &table, const QStringList &columns,
                                    bool unique, bool listEntry)
{
    // Column indexes write "CREATE  INDEX" (two blanks) when plain, list entries "CREATE INDEX".
    const QLatin1String kind = unique ? QLatin1String("UNIQUE ") : (listEntry ? QLatin1String("") : QLatin1String(" "));
    return QLatin1String("CREATE ") + kind + QLatin1String("INDEX IF NOT EXISTS ") + name + QLatin1String("_key ON ")
         + table + QLatin1String(" USING btree (") + columns.join(QLatin1Char(',')) + QLatin1String(");");
}

QVector<ModelTableCreator::Ddl> ModelTableCreator::statements(const AbstractModel &model) const
{
    const QString table = model.tableName();
    if (table.trimmed().isEmpty())
        refuse(QStringLiteral("Model create table error: the catalogue has no table name"));
    const QMap<QString, Field> &fields = model.fields();

    QMap<quint64, QString> columns;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (it.value().isColumn())
            columns.insert(it.value().serial, columnDefinition(table, it.key(), it.value()));
    }
    if (columns.isEmpty())
        refuse(table + QLatin1String(" Model create table error: no columns"));
    QString create = QLatin1String("CREATE TABLE IF NOT EXISTS ") + table + QLatin1Char('(');
    for (const QString &column : qAsConst(columns))
        create += column + QLatin1Char(',');
    create.chop(1);
    create += QLatin1Char(')');

    QVector<Ddl> result;
    Ddl tableStatement;
    tableStatement.sql = create;
    result.append(tableStatement);
    // One index per column list: a unique one serves as a plain one too.
    QHash<QString, int> indexOf;
    auto addIndex = [&result, &indexOf](const Ddl &ddl) {
        const QString key = ddl.columns.join(QLatin1Char(','));
        const auto known = indexOf.constFind(key);
        if (known == indexOf.constEnd()) {
            indexOf.insert(key, result.size());
            result.append(ddl);
        } else if (ddl.unique && !result[known.value()].unique) {
            result[known.value()] = ddl;
        }
    };

    const quint64 indexed = PRIMARY_KEY | REFERENCE | UPDATE_TIMESTAMP | INSERT_TIMESTAMP | UNIQUE;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const Field &field = it.value();
        if (!field.isColumn() || !field.has(indexed))
            continue;
        Ddl ddl;
        ddl.isIndex = true;
        ddl.columns = QStringList{it.key()};
        ddl.unique = field.has(PRIMARY_KEY | UNIQUE);
        ddl.indexName = indexName(table, ddl.columns);
        ddl.sql = indexSql(ddl.indexName, table, ddl.columns, ddl.unique, false);
        addIndex(ddl);
    }

    for (const QStringList &entry : model.indexes()) {
        Ddl ddl;
        ddl.isIndex = true;
        ddl.listEntry = true;
        for (const QString &word : entry) {
            const auto it = fields.constFind(word);
            if (it != fields.cend() && it.value().isColumn())
                ddl.columns.append(word);
            else if (word == QLatin1String("UNIQUE"))
                ddl.unique = true;
            else
                refuse(table + QLatin1String(" create table index error: No such field in table: ") + word);
        }
        if (ddl.columns.isEmpty())
            refuse(table + QLatin1String(" create table index error: No such field in table: ") + entry.join(QLatin1Char(',')));
        ddl.indexName = indexName(table, ddl.columns);
        ddl.sql = indexSql(ddl.indexName, table, ddl.columns, ddl.unique, true);
        addIndex(ddl);
    }
    return result;
}

ModelTableCreator::NameHolders ModelTableCreator::nameHolders(Common::Db *db, const QString &table,
                                                             const QVector<Ddl> &ddls) const
{
    static const QString sql = QStringLiteral(
        "SELECT c.relname, COALESCE(t.relname, ''), COALESCE(i.indisunique, false), "
        "COALESCE((SELECT string_agg(a.attname, ',' ORDER BY k.ord) "
        "FROM unnest(CAST(i.indkey AS int2[])) WITH ORDINALITY AS k(attnum, ord) "
        "JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = k.attnum), '') "
        "FROM pg_class c LEFT JOIN pg_index i ON i.indexrelid = c.oid LEFT JOIN pg_class t ON t.oid = i.indrelid "
        "WHERE c.relname = ANY(string_to_array(:names, ',')) "
        "AND c.relnamespace = CAST(current_schema() AS regnamespace)");
    QStringList names;
    for (const Ddl &ddl : ddls) {
        if (ddl.isIndex)
            names << ddl.indexName + QLatin1String("_key")
                  << hashedIndexName(table, ddl.columns, ddl.unique) + QLatin1String("_key");
    }
    NameHolders holders;
    if (names.isEmpty())
        return holders;
    QSqlQuery query(db->database());
    db->exec(query, sql, {{QStringLiteral(":names"), names.join(QLatin1Char(','))}});
    while (query.next())
        holders.insert(query.value(0).toString(),
                       {query.value(1).toString(), query.value(2).toBool(), query.value(3).toString()});
    return holders;
}

QString ModelTableCreator::freeIndexName(const NameHolders &holders, const QString &table, const Ddl &ddl) const
{
    const QString wanted = ddl.columns.join(QLatin1Char(','));
    for (const QString &candidate : {ddl.indexName + QLatin1String("_key"),
                                     hashedIndexName(table, ddl.columns, ddl.unique) + QLatin1String("_key")}) {
        const auto holder = holders.constFind(candidate);
        if (holder == holders.constEnd())
            return candidate;
        if (holder->table == table && holder->unique == ddl.unique && holder->columns == wanted)
            return candidate;
    }
    return QString();
}

bool ModelTableCreator::createTable(AbstractModel *model, Common::Db *db)
{
    QVector<Ddl> ddls;
    QString table;
    try {
        table = model->tableName();
        ddls = statements(*model);
    } catch (const Exception &e) {
        Logger::instance(0)->warning(Common::warningLine(
            COMMON_LOCATION, QStringLiteral("Table ") + table + QLatin1String(" creation error: ") + e.message()));
        return false;
    }
    QSqlQuery query(db->database());
    NameHolders holders;
    bool holdersRead = false;
    for (const Ddl &ddl : qAsConst(ddls)) {
        QString sql = ddl.sql;
        if (ddl.isIndex) {
            // Read once the table exists, then kept up to date with the indexes made here.
            if (!holdersRead) {
                try {
                    holders = nameHolders(db, table, ddls);
                } catch (const Exception &e) {
                    Logger::instance(0)->warning(Common::warningLine(COMMON_LOCATION, e.message()));
                    return false;
                }
                holdersRead = true;
            }
            QString name = freeIndexName(holders, table, ddl);
            if (name.isEmpty()) {
                Logger::instance(0)->warning(Common::warningLine(
                    COMMON_LOCATION, QStringLiteral("Table %1: no free name for the index over (%2)")
                                         .arg(table, ddl.columns.join(QLatin1Char(',')))));
                return false;
            }
            holders.insert(name, {table, ddl.unique, ddl.columns.join(QLatin1Char(','))});
            if (name != ddl.indexName + QLatin1String("_key")) {
                name.chop(4);
                sql = indexSql(name, table, ddl.columns, ddl.unique, ddl.listEntry);
            }
        }
        if (!query.exec(sql)) {
            Logger::instance(0)->warning(QStringLiteral("%1, table name='%2', query error='%3'\n")
                                             .arg(COMMON_LOCATION, table, query.lastError().text()));
            return false;
        }
    }
    return true;
}

} // namespace Model
