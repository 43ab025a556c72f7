#pragma once

#include <QHash>

#include <QString>
#include <QStringList>
#include <QVector>

namespace Common {
class Db;
}

namespace Model {

class AbstractModel;
class Field;

// Turns a catalogue into PostgreSQL DDL and runs it: CREATE TABLE IF NOT EXISTS with the columns in
// declaration order, then one index per key, reference, timestamp and unique column, then the
// catalogue's own indexes. Index names never silently reuse another index's name.
class ModelTableCreator
{
public:
    // One statement; index statements also carry what the index must be.
    struct Ddl
    {
        QString sql;
        bool isIndex = false;
        QString indexName; // without the "_key" suffix
        QStringList columns;
        bool unique = false;
        bool listEntry = false; // an entry of the catalogue's index list
    };

    // Longest index name before "_key" (PostgreSQL names have at most 63 bytes).
    static constexpr int MaxIndexName = 59;

    virtual ~ModelTableCreator();

    // Builds and runs every statement; false after the first failure, which it logs.
    virtual bool createTable(AbstractModel *model, Common::Db *db);

    // The statements in running order; throws Exception with the reason of a refused catalogue.
    QVector<Ddl> statements(const AbstractModel &model) const;

    // "table_col1_col2", or, when that is longer than MaxIndexName, a shortened form that ends in
    // a hash of the whole definition.
    static QString indexName(const QString &table, const QStringList &columns);
    // The name used when the plain one is taken by a different index or another relation.
    static QString hashedIndexName(const QString &table, const QStringList &columns, bool unique);
    static QString indexSql(const QString &name, const QString &table, const QStringList &columns, bool unique,
                            bool listEntry);

private:
    // What holds a relation name of the schema: an index (its table, uniqueness and columns) or,
    // with an empty table, another kind of relation.
    struct NameHolder
    {
        QString table;
        bool unique = false;
        QString columns;
    };
    using NameHolders = QHash<QString, NameHolder>;

    QString columnDefinition(const QString &table, const QString &name, const Field &field) const;
    // The holders of every name the table's indexes may take, in one query.
    NameHolders nameHolders(Common::Db *db, const QString &table, const QVector<Ddl> &ddls) const;
    // The name under which this index exists or can be created; empty when none is free.
    QString freeIndexName(const NameHolders &holders, const QString &table, const Ddl &ddl) const;
};

} // namespace Model
