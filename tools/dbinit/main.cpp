// koriv-dbinit: builds the platform's database in the PostgreSQL database that the PG* variables
// name (PGHOST, PGPORT, PGDATABASE, PGUSER, PGPASSWORD; libpq's defaults for the rest).
//
//   koriv-dbinit [--describe FILE]
//
// Creates a minimal table (id and its row 1) for every referenced table that no catalogue
// describes, then creates and seeds the table of every catalogue. Running it again adds what is
// missing and changes nothing else. With --describe it also writes, as JSON, what the catalogues
// know beyond the schema: joined display fields and columns filled with a fresh UUID on insert,
//   {"tables": {"users": {"joined": {"group_name": {"table": "user_groups", "column": "name",
//                                                  "join": ""}}},
//               "companies": {"uuid": ["uuid_company"]}}}
// Exit status 0 on success, 1 on failure, 2 on bad arguments.

#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"
#include "model/catalogues.h"
#include "modelfixture/placeholdertables.h"

#include "common/core/db/db.h"
#include "common/core/db/pgenvironment.h"
#include "common/core/exception/exception.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTextStream>

#include <memory>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message)
{
    err() << "koriv-dbinit: " << message << Qt::endl;
    return 1;
}

// Per table, what its catalogues say beyond the schema: the joined display fields (those of all
// its catalogues, the creating one first) and the columns that get a fresh UUID on insert.
QJsonObject describe(const QVector<Model::Creator::Factory> &catalogues)
{
    QJsonObject tables;
    for (const Model::DatabaseInitializer::Table &table : Model::DatabaseInitializer::plan(catalogues)) {
        QJsonObject joined;
        QStringList uuids;
        QVector<int> order{table.creator};
        order += table.others;
        for (int index : order) {
            const std::unique_ptr<Model::AbstractModel> model(catalogues.at(index)());
            for (auto it = model->fields().cbegin(); it != model->fields().cend(); ++it) {
                const Model::Field &field = it.value();
                if (field.isColumn() && field.has(Model::IS_UUID) && !uuids.contains(it.key()))
                    uuids.append(it.key());
                if (!field.has(Model::ATTACHED) || field.refTable.isEmpty() || joined.contains(it.key()))
                    continue;
                joined.insert(it.key(), QJsonObject{{QStringLiteral("table"), field.refTable},
                                                    {QStringLiteral("column"), field.attachedColumn},
                                                    {QStringLiteral("join"), field.attachedJoin}});
            }
        }
        QJsonObject entry;
        if (!joined.isEmpty())
            entry.insert(QStringLiteral("joined"), joined);
        if (!uuids.isEmpty())
            entry.insert(QStringLiteral("uuid"), QJsonArray::fromStringList(uuids));
        if (!entry.isEmpty())
            tables.insert(table.name, entry);
    }
    return QJsonObject{{QStringLiteral("tables"), tables}};
}

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString describePath;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--describe") && !arguments.isEmpty()) {
            describePath = arguments.takeFirst();
        } else {
            err() << "usage: koriv-dbinit [--describe FILE]\n"
                     "Creates and seeds the platform's tables in the database named by PGHOST, PGPORT,\n"
                     "PGDATABASE, PGUSER and PGPASSWORD." << Qt::endl;
            return argument == QLatin1String("--help") ? 0 : 2;
        }
    }

    int tables = 0;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("koriv-dbinit"));
        if (!database.isValid())
            return fail(QStringLiteral("the Qt PostgreSQL driver (QPSQL) is not available"));
        Common::applyPgEnvironment(database);
        if (!database.open()) {
            return fail(QStringLiteral("cannot connect to %1: %2")
                            .arg(Common::pgConnectionText(), database.lastError().text().simplified()));
        }
        Common::Db db(database);
        try {
            const QVector<Model::Creator::Factory> catalogues = Model::allCatalogues();
            if (!ModelFixture::createPlaceholderTables(&db, catalogues))
                return fail(QStringLiteral("the tables that no catalogue describes were not created in %1")
                                .arg(Common::pgConnectionText()));
            Model::DatabaseInitializer initializer(&db);
            if (!initializer.run(catalogues))
                return fail(QStringLiteral("initialising %1 failed: %2").arg(Common::pgConnectionText(), initializer.lastError()));
            if (!describePath.isEmpty()) {
                QString error;
                const QByteArray json = QJsonDocument(describe(catalogues)).toJson(QJsonDocument::Indented);
                if (!writeFile(describePath, json, &error))
                    return fail(QStringLiteral("cannot write %1: %2").arg(describePath, error));
            }
            tables = Model::DatabaseInitializer::plan(catalogues).size();
        } catch (const Exception &e) {
            return fail(QStringLiteral("initialising %1 failed: %2").arg(Common::pgConnectionText(), e.message()));
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("koriv-dbinit"));
    QTextStream(stdout) << "koriv-dbinit: " << tables << " tables ready in " << Common::pgConnectionText() << Qt::endl;
    return 0;
}
