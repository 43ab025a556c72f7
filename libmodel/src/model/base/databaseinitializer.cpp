#include "databaseinitializer.h"

#include "abstractmodel.h"

#include "common/core/db/db.h"
#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <memory>

namespace Model {

namespace {

using ModelPtr = std::unique_ptr<AbstractModel>;

ModelPtr make(const DatabaseInitializer::Factory &factory, int position)
{
    ModelPtr model(factory ? factory() : nullptr);
    if (!model)
        throw Exception(QStringLiteral("catalogue #%1 of the list: the factory made no catalogue").arg(position));
    return model;
}

QString actionClause(const char *what, quint8 code)
{
    const char *word = nullptr;
    switch (code) {
    case FK_RESTRICT: word = "RESTRICT"; break;
    case FK_NO_ACTION: word = "NO ACTION"; break;
    case FK_CASCADE: word = "CASCADE"; break;
    case FK_SET_NULL: word = "SET NULL"; break;
    case FK_SET_DEFAULT: word = "SET DEFAULT"; break;
    default: return QString();
    }
    return QStringLiteral(" ON %1 %2").arg(QLatin1String(what), QLatin1String(word));
}

// Why `part` is not a subset of `whole`, or an empty text.
QString subsetFault(const AbstractModel &part, const AbstractModel &whole)
{
    const QMap<QString, Field> &fields = part.fields();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const Field &column = it.value();
        if (!column.isColumn())
            continue;
        const auto found = whole.fields().constFind(it.key());
        if (found == whole.fields().cend() || !found.value().isColumn())
            return QStringLiteral("column %1 is missing").arg(it.key());
        if (found.value().type != column.type)
            return QStringLiteral("column %1 has type %2 there, %3 here").arg(it.key()).arg(found.value().type).arg(column.type);
        const QString here = column.has(REFERENCE) ? column.refTable : QString();
        const QString there = found.value().has(REFERENCE) ? found.value().refTable : QString();
        if (here != there)
            return QStringLiteral("column %1 references '%2' there, '%3' here").arg(it.key(), there, here);
    }
    return QString();
}

} // namespace

DatabaseInitializer::DatabaseInitializer(Common::Db *db)
    : m_db(db)
{
}

QString DatabaseInitializer::foreignKeyName(const QString &table, const QString &column)
{
    QString name = table + QLatin1Char('_') + column;
    while (name.toUtf8().size() > 63 - 5)
        name.chop(1);
    return name + QLatin1String("_fkey");
}

QVector<DatabaseInitializer::Table> DatabaseInitializer::plan(const QVector<Factory> &catalogues)
{
    QVector<Table> tables;
    QHash<QString, int> tableIndex;
    QVector<int> columns(catalogues.size(), 0);
    for (int i = 0; i < catalogues.size(); ++i) {
        const ModelPtr model = make(catalogues.at(i), i);
        const QString name = model->tableName();
        if (name.isEmpty())
            continue;
        columns[i] = model->columnCount();
        auto it = tableIndex.find(name);
        if (it == tableIndex.end()) {
            tableIndex.insert(name, tables.size());
            tables.append(Table{name, i, {}});
            continue;
        }
        Table &table = tables[it.value()];
        // On a tie the later one wins: a subclass stands after its base.
        if (columns[i] >= columns[table.creator]) {
            table.others.append(table.creator);
            table.creator = i;
        } else {
            table.others.append(i);
        }
    }
    for (Table &table : tables) {
        std::sort(table.others.begin(), table.others.end());
        const ModelPtr whole = make(catalogues.at(table.creator), table.creator);
        for (int other : qAsConst(table.others)) {
            const QString fault = subsetFault(*make(catalogues.at(other), other), *whole);
            if (!fault.isEmpty()) {
                throw Exception(QStringLiteral("table %1: catalogue #%2 is not a subset of catalogue #%3, which "
                                               "creates the table: %4")
                                    .arg(table.name)
                                    .arg(other)
                                    .arg(table.creator)
                                    .arg(fault));
            }
        }
    }
    return tables;
}

bool DatabaseInitializer::run(const QVector<Factory> &catalogues)
{
    m_error.clear();
    QSqlDatabase database = m_db->database();
    bool open = false;
    try {
        const QVector<Table> tables = plan(catalogues);
        if (!database.transaction())
            throw Exception(QStringLiteral("cannot open a transaction: ") + database.lastError().text());
        open = true;
        createTables(catalogues, tables);
        seed(catalogues);
        open = false;
        // Deferred foreign keys are checked here.
        if (!database.commit())
            throw Exception(QStringLiteral("commit refused: ") + database.lastError().text());
        return true;
    } catch (const Exception &e) {
        if (open)
            database.rollback();
        fail(e.message());
    }
    return false;
}

void DatabaseInitializer::createTables(const QVector<Factory> &catalogues, const QVector<Table> &tables)
{
    QHash<QString, int> position;
    for (int i = 0; i < tables.size(); ++i)
        position.insert(tables.at(i).name, i);

    QVector<ForwardReference> forward;
    for (int i = 0; i < tables.size(); ++i) {
        const Table &table = tables.at(i);
        const ModelPtr model = make(catalogues.at(table.creator), table.creator);
        for (auto it = model->fields().begin(); it != model->fields().end(); ++it) {
            Field &field = it.value();
            if (!field.isColumn() || !field.has(REFERENCE) || field.refTable == table.name)
                continue;
            const int target = position.value(field.refTable, -1);
            if (target < 0) {
                if (!tableExists(field.refTable)) {
                    throw Exception(QStringLiteral("table %1: column %2 references %3, which neither a catalogue "
                                                   "of the list nor the database holds")
                                        .arg(table.name, it.key(), field.refTable));
                }
                continue;
            }
            if (target < i)
                continue;
            forward.append(ForwardReference{table.name, it.key(), field.refTable, field.refColumn, field.onDelete(),
                                            field.onUpdate()});
            // The column keeps the index the creator gives every reference column.
            field.clearFlags(REFERENCE);
            model->addIndex({it.key()});
        }
        if (!model->createTable(m_db))
            throw Exception(QStringLiteral("table %1 was not created").arg(table.name));
    }
    addForwardReferences(forward);
}

void DatabaseInitializer::addForwardReferences(const QVector<ForwardReference> &references)
{
    for (const ForwardReference &ref : references) {
        if (hasForeignKey(ref.table, ref.column))
            continue;
        const QString sql = QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT %2 FOREIGN KEY (%3) REFERENCES %4(%5)%6%7 "
                                           "DEFERRABLE INITIALLY DEFERRED")
                                .arg(ref.table, foreignKeyName(ref.table, ref.column), ref.column, ref.refTable,
                                     ref.refColumn.isEmpty() ? QStringLiteral("id") : ref.refColumn,
                                     actionClause("DELETE", ref.onDelete), actionClause("UPDATE", ref.onUpdate));
        QSqlQuery query(m_db->database());
        m_db->exec(query, sql, {});
    }
}

void DatabaseInitializer::seed(const QVector<Factory> &catalogues)
{
    for (int i = 0; i < catalogues.size(); ++i) {
        const ModelPtr model = make(catalogues.at(i), i);
        const QString table = model->tableName();
        if (table.isEmpty())
            continue;
        if (!model->createSystemRecords(m_db))
            throw Exception(QStringLiteral("table %1: the seed of catalogue #%2 failed").arg(table).arg(i));
    }
}

bool DatabaseInitializer::tableExists(const QString &table)
{
    QSqlQuery query(m_db->database());
    m_db->exec(query, QStringLiteral("SELECT to_regclass(:name) IS NOT NULL"), {{QStringLiteral(":name"), table}});
    return query.next() && query.value(0).toBool();
}

bool DatabaseInitializer::hasForeignKey(const QString &table, const QString &column)
{
    QSqlQuery query(m_db->database());
    m_db->exec(query,
               QStringLiteral("SELECT count(*) FROM pg_constraint c JOIN pg_attribute a ON a.attrelid = c.conrelid "
                              "AND a.attnum = ANY (c.conkey) WHERE c.contype = 'f' "
                              "AND c.conrelid = to_regclass(:table) AND a.attname = :column"),
               {{QStringLiteral(":table"), table}, {QStringLiteral(":column"), column}});
    return query.next() && query.value(0).toInt() > 0;
}

void DatabaseInitializer::fail(const QString &message)
{
    m_error = QStringLiteral("Database initialisation failed: ") + message;
    Logger::instance(0)->warning(Common::warningLine(COMMON_LOCATION, m_error));
}

} // namespace Model
