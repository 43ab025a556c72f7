// A full database initialiser run over every catalogue of the library: cold (an empty schema) and
// warm (everything there already). Needs PostgreSQL through the PG* variables, e.g. from
// scripts/pg-tmp.sh; without them both benchmarks are skipped with the reason.
//
// "statements" counts what goes through Common::Db in one run (seeds and look-ups; the table
// creator's DDL is counted apart as "ddl"). "x_psql" is the cold run's time over that of
// `psql -1 -f` loading the same tables, indexes and rows as pg_dump writes them (one INSERT per
// row) into an empty schema; the fastest of three runs of each is compared.
#include "benchdatabase.h"
#include "benchfailure.h"
#include "common/core/db/db.h"
#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"
#include "model/base/modeltablecreator.h"
#include "model/catalogues.h"
#include "modelfixture/placeholdertables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

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
    Common::Db *db = Bench::sharedDb(&error);
    if (!db || !freshSchema(db, &error)) {
        Bench::fail(state, qPrintable(error));
        return nullptr;
    }
    return db;
}

bool run(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    *error = program + QLatin1String(": ") + QString::fromLocal8Bit(process.readAllStandardError());
    return false;
}

// Seconds that psql takes to load, in one transaction, what one cold run wrote into the schema
// (placeholder tables left out: both start from them); -1 with the error.
double psqlSeconds(Common::Db *db, const QString &schema, QString *error)
{
    QTemporaryDir folder;
    const QString dump = folder.filePath(QStringLiteral("dump.sql"));
    QStringList arguments{QStringLiteral("--inserts"), QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"),
                          QStringLiteral("--schema=") + schema, QStringLiteral("-f"), dump};
    for (const ModelFixture::PlaceholderTable &table : ModelFixture::placeholderTables(Model::allCatalogues()))
        arguments << QStringLiteral("--exclude-table=") + schema + QLatin1Char('.') + table.name
                  << QStringLiteral("--exclude-table=") + schema + QLatin1Char('.') + table.name + QLatin1String("_id_seq");
    if (!run(QStringLiteral("pg_dump"), arguments, error))
        return -1;
    QFile file(dump);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return -1;
    }
    // The same statements into a schema of their own, which holds the placeholder tables already.
    static int copies = 0;
    const QString copy = schema + QStringLiteral("_psql%1").arg(++copies);
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("CREATE SCHEMA ") + schema + QLatin1Char(';'), QString());
    text.replace(schema, copy);
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
        *error = file.errorString();
        return -1;
    }
    file.close();
    createdSchemas.append(copy);
    QSqlQuery query(db->database());
    if (!Bench::enterFreshSchema(query, copy, error)
        || !ModelFixture::createPlaceholderTables(db, Model::allCatalogues()))
        return -1;
    QElapsedTimer timer;
    timer.start();
    if (!run(QStringLiteral("psql"), {QStringLiteral("-q"), QStringLiteral("-1"), QStringLiteral("-v"),
                                      QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-f"), dump}, error))
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

void coldRun(benchmark::State &state)
{
    Common::Db *db = freshDatabase(state);
    if (!db)
        return;
    QString error;
    const qint64 statements = countStatements(db);
    // The fastest of three loads, as the initialiser's fastest run is compared below.
    const QString initialised = createdSchemas.last();
    double psql = -1;
    for (int round = 0; round < 3; ++round) {
        const double seconds = psqlSeconds(db, initialised, &error);
        if (seconds < 0) {
            Bench::fail(state, qPrintable(error));
            return;
        }
        psql = psql < 0 ? seconds : std::min(psql, seconds);
    }
    QElapsedTimer timer;
    qint64 fastest = -1;
    for (auto _ : state) {
        state.PauseTiming();
        const bool ready = freshSchema(db, &error);
        state.ResumeTiming();
        timer.start();
        if (!ready || !initialise(db, &error)) {
            Bench::fail(state, qPrintable(error));
            return;
        }
        fastest = fastest < 0 ? timer.nsecsElapsed() : std::min(fastest, timer.nsecsElapsed());
    }
    state.counters["statements"] = double(statements);
    state.counters["ddl"] = double(ddlStatements());
    state.counters["psql_s"] = psql;
    state.counters["fastest_s"] = fastest / 1e9;
    state.counters["x_psql"] = fastest / 1e9 / psql;
}
BENCHMARK(coldRun)->Unit(benchmark::kSecond)->Iterations(3);

void warmRun(benchmark::State &state)
{
    Common::Db *db = freshDatabase(state);
    if (!db)
        return;
    QString error;
    if (!initialise(db, &error)) {
        Bench::fail(state, qPrintable(error));
        return;
    }
    const qint64 statements = countStatements(db);
    for (auto _ : state) {
        if (!initialise(db, &error)) {
            Bench::fail(state, qPrintable(error));
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
    const QString missing = Bench::missingEnvironment();
    if (!missing.isEmpty())
        std::fprintf(stderr, "bench_initializer: skipped, %s\n", qPrintable(missing));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QString error;
    if (Common::Db *db = Bench::sharedDb(&error)) {
        QSqlQuery query(db->database());
        for (const QString &schema : createdSchemas)
            query.exec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
    }
    // Without a database there was nothing to measure: skipped, not failed.
    return missing.isEmpty() ? Bench::exitCode() : 0;
}
