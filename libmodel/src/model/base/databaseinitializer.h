#pragma once

#include "creator.h"

#include <QString>
#include <QVector>

namespace Common {
class Db;
}

namespace Model {

class AbstractModel;

// Builds a database from a list of catalogues in dependency order: creates every table, then runs
// every catalogue's seed (createSystemRecords) in list order. Catalogues without a table name are
// field lists only and are skipped.
//
// Several catalogues of one table (a base catalogue and a server side's fuller one): the catalogue
// with the most columns creates the table (the last of them on a tie, as a subclass stands after
// its base; registerAllCatalogues registers that one); every other catalogue of the table must be
// a subset of it: each of its columns exists there with the same type and, for a reference, the
// same referenced table. Otherwise the run refuses to start. Every catalogue still seeds.
//
// References that point forward (to a table whose first catalogue stands later in the list, such
// as drivers.rst_id_car -> cars while cars.rst_id_driver -> drivers) are left out of CREATE TABLE
// (the column and its index stay) and added once every table exists, as foreign keys
// DEFERRABLE INITIALLY DEFERRED with the declared ON DELETE / ON UPDATE actions. The whole run is
// one transaction, so the default rows 1 of drivers and of cars may point at each other: deferred
// keys are checked at COMMIT, when both rows exist. Backward references are created inline as the
// table creator writes them.
//
// Every referenced table must be created by the list or exist already (tables that no catalogue
// describes are the caller's business).
class DatabaseInitializer
{
public:
    using Factory = Creator::Factory;

    // One table of a list: the positions of its creating catalogue and of the others.
    struct Table
    {
        QString name;
        int creator = -1;
        QVector<int> others;
    };

    explicit DatabaseInitializer(Common::Db *db);

    // Creates and seeds in one transaction that it opens itself (do not call it inside one).
    // False, with a warning, when a step fails; nothing of the run is kept then.
    bool run(const QVector<Factory> &catalogues);
    // The reason of the last failure, empty after a success.
    QString lastError() const { return m_error; }

    // The tables of a list in order of their first catalogue. Throws Exception when a factory
    // makes no catalogue or a catalogue is not a subset of its table's creating catalogue.
    static QVector<Table> plan(const QVector<Factory> &catalogues);

    // "<table>_<column>_fkey", cut to PostgreSQL's 63 bytes.
    static QString foreignKeyName(const QString &table, const QString &column);

private:
    struct ForwardReference
    {
        QString table;
        QString column;
        QString refTable;
        QString refColumn;
        quint8 onDelete = 0;
        quint8 onUpdate = 0;
    };

    void createTables(const QVector<Factory> &catalogues, const QVector<Table> &tables);
    void addForwardReferences(const QVector<ForwardReference> &references);
    void seed(const QVector<Factory> &catalogues);
    bool tableExists(const QString &table);
    bool hasForeignKey(const QString &table, const QString &column);
    void fail(const QString &message);

    Common::Db *m_db;
    QString m_error;
};

} // namespace Model
