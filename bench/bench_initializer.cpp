// A full database initialiser run over every catalogue of the library: cold (an empty schema) and
// warm (everything there already). Needs PostgreSQL through the PG* variables, e.g. from
// scripts/pg-tmp.sh; without them both benchmarks are skipped with the reason.
//
// "statements" counts what goes through Common::Db in one run (seeds and look-ups; the table
// creator's DDL is counted apart as "ddl").
#include "benchdatabase.h"
#include "common/core/db/db.h"
#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"
#include "model/base/modeltablecreator.h"
#include "model/catalogues.h"
#include "modelfixture/placeholdertables.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

QString missingEnvironment()
{
    for (const char *name : {"PGHOST", "PGPORT", "PGUSER", "PGDATABASE"}) {
        if (qEnvironmentVariableIsEmpty(name))
            return QStringLiteral("%1 not set: start a cluster with eval \"$(scripts/pg-tmp.sh start)\"")
                .arg(QLatin1String(name));
    }
    return QString();
}

// One connection for the whole program; null with the reason when there is none.
Common::Db *database(QString *error)
{
    static std::unique_ptr<Common::Db> db;
    static QString reason;
    if (db || !reason.isEmpty()) {
        *error = reason;
        return db.get();
    }
    reason = missingEnvironment();
    if (reason.isEmpty())
        db = Bench::openDb(&reason);
    *error = reason;
    return db.get();
}

QStringList createdSchemas;

// A new empty schema with the stand-in tables of what no catalogue describes.
bool freshSchema(Common::Db *db, QString *error)
{
    static int counter = 0;
    const QString schema = QStringLiteral("bench_init_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    createdSchemas.append(schema);
    QSqlQuery query(db->database());
    if (!Bench::enterFreshSchema(query, schema, error))
        return false;
    if (!ModelFixture::createPlaceholderTables(db, Model::allCatalogues())) {
        *error = QStringLiteral("stand-in tables were not created");
        return false;
    }
    return true;
}

bool initialise(Common::Db *db, QString *error)
{
    Model::DatabaseInitializer initializer(db);
    if (initializer.run(Model::allCatalogues()))
        return true;
    *error = initializer.lastError();
    return false;
}

std::atomic<qint64> traced{0};
QtMessageHandler previousHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtInfoMsg && text.startsWith(QLatin1String("Begin query"))) {
        ++traced;
        return;
    }
    if (type == QtInfoMsg && text.startsWith(QLatin1String("Finish query")))
        return;
    previousHandler(type, context, text);
}

// Statements one initialiser run sends through Db, counted from its trace; -1 when it fails.
qint64 countStatements(Common::Db *db)
{
    qputenv("queryDebug", "1");
    db->setTraceQueries(true);
    traced = 0;
    previousHandler = qInstallMessageHandler(countingHandler);
    QString error;
    const bool ok = initialise(db, &error);
    qInstallMessageHandler(previousHandler);
    db->setTraceQueries(false);
    qunsetenv("queryDebug");
    return ok ? qint64(traced) : -1;
}

qint64 ddlStatements()
{
    qint64 total = 0;
    for (const Model::Creator::Factory &factory : Model::allCatalogues()) {
        const std::unique_ptr<Model::AbstractModel> model(factory());
        if (!model->tableName().isEmpty())
            total += Model::ModelTableCreator().statements(*model).size();
    }
    return total;
}

// The connection with a fresh schema made its search path; null once the benchmark is skipped.
Common::Db *freshDatabase(benchmark::State &state)
{
    QString error;
    Common::Db *db = database(&error);
    if (!db || !freshSchema(db, &error)) {
        state.SkipWithError(qPrintable(error));
        return nullptr;
    }
    return db;
}

void coldRun(benchmark::State &state)
{
    Common::Db *db = freshDatabase(state);
    if (!db)
        return;
    QString error;
    const qint64 statements = countStatements(db);
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = freshSchema(db, &error);
        state.ResumeTiming();
        if (!ready || !initialise(db, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.counters["statements"] = double(statements);
    state.counters["ddl"] = double(ddlStatements());
}
BENCHMARK(coldRun)->Unit(benchmark::kSecond)->Iterations(3);

void warmRun(benchmark::State &state)
{
    Common::Db *db = freshDatabase(state);
    if (!db)
        return;
    QString error;
    if (!initialise(db, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const qint64 statements = countStatements(db);
    for (auto _ : state) {
        if (!initialise(db, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.counters["statements"] = double(statements);
}
BENCHMARK(warmRun)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString missing = missingEnvironment();
    if (!missing.isEmpty())
        std::fprintf(stderr, "bench_initializer: skipped, %s\n", qPrintable(missing));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QString error;
    if (Common::Db *db = database(&error)) {
        QSqlQuery query(db->database());
        for (const QString &schema : createdSchemas)
            query.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
    }
    return 0;
}
