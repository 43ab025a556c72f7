// SQL generation for a 40-field catalogue, and 10k rows read through Dao into field values
// (the second needs PostgreSQL through the PG* variables, e.g. from scripts/pg-tmp.sh).
#include "benchdatabase.h"
#include "common/core/db/dao.h"
#include "common/core/db/db.h"
#include "common/core/db/querybuilder.h"
#include "model/base/abstractmodel.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>

#include <benchmark/benchmark.h>

namespace {

using namespace Model;

// 40 fields: the four common ones, 24 plain columns, 4 references, 4 joined values, 4 display values.
class Wide : public AbstractModel
{
public:
    Wide()
    {
        for (int i = 0; i < 24; ++i) {
            declareColumn(QStringLiteral("column_%1").arg(i, 2, 10, QLatin1Char('0')), i % 2 ? SQL_TEXT : SQL_BIGINTEGER,
                          false, QVariant(), QStringLiteral("Column %1").arg(i));
        }
        for (int i = 0; i < 4; ++i) {
            const QString table = QStringLiteral("ref_%1").arg(i);
            declareReference(QStringLiteral("rst_id_ref_%1").arg(i), table, QStringLiteral("Reference"));
            declareAttached(QStringLiteral("ref_%1_name").arg(i), table, QStringLiteral("name"), QStringLiteral("Name"));
            declareDisplay(QStringLiteral("ref_%1_string").arg(i), QStringLiteral("Shown"));
        }
    }
    QString tableName() const override { return QStringLiteral("wide_rows"); }
};

const QByteArray where = R"([
    {"condition":"and","expressions":[
        {"role":"column_01","operation":"contains","value":"abc","condition":"or"},
        {"role":"column_03","operation":"=","value":"x","condition":"and"}]},
    {"condition":"or","expressions":[
        {"role":"ref_1_name","operation":"not_contains","value":"50%","condition":"and"},
        {"role":"column_02","operation":">=","value":"10","condition":"and"}]}])";

void listSelect(benchmark::State &state)
{
    Wide model;
    model.setValue(QStringLiteral("column_00"), 5);
    const QJsonDocument groups = QJsonDocument::fromJson(where);
    const QStringList filter{QStringLiteral("column_00")};
    const Common::QueryBuilder::OrderBy order{{QStringLiteral("column_05"), 1}, {QStringLiteral("id"), 0}};
    for (auto _ : state) {
        const Common::Statement statement = Common::QueryBuilder(model).listSelect(filter, {}, order, 100, groups);
        benchmark::DoNotOptimize(statement.sql.constData());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(listSelect);

void insertAndUpdate(benchmark::State &state)
{
    Wide model;
    model.populateDefault();
    const QString now = QStringLiteral("EXTRACT(epoch FROM now()) * 1000");
    for (auto _ : state) {
        const Common::QueryBuilder builder(model);
        const Common::Statement insert = builder.insert(now);
        const Common::Statement update = builder.update(now);
        benchmark::DoNotOptimize(insert.sql.constData());
        benchmark::DoNotOptimize(update.sql.constData());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(insertAndUpdate);

constexpr int kRows = 10000;

// 10k rows in a schema of their own; null when no database is reachable.
std::unique_ptr<Common::Db> openRows(QString *error)
{
    std::unique_ptr<Common::Db> db = Bench::openDb(error);
    if (!db)
        return nullptr;
    QSqlQuery query(db->database());
    const QString schema = QStringLiteral("bench_%1").arg(QCoreApplication::applicationPid());
    Wide model;
    if (!Bench::enterFreshSchema(query, schema, error))
        return nullptr;
    for (int i = 0; i < 4; ++i) {
        if (!query.exec(QStringLiteral("CREATE TABLE ref_%1 (id BIGSERIAL PRIMARY KEY, name TEXT); "
                                       "INSERT INTO ref_%1 (id, name) VALUES (1, 'first'), (2, 'second')")
                            .arg(i))) {
            *error = query.lastError().text();
            return nullptr;
        }
    }
    QString columns, values;
    for (int i = 0; i < 24; ++i) {
        columns += QStringLiteral(",column_%1").arg(i, 2, 10, QLatin1Char('0'));
        values += i % 2 ? QStringLiteral(",'text ' || g") : QStringLiteral(",g * %1").arg(i + 1);
    }
    if (!model.createTable(db.get())
        || !query.exec(QStringLiteral("INSERT INTO wide_rows (id, dt_utc_insert, dt_utc_last_update, rst_id_ref_0, "
                                      "rst_id_ref_1, rst_id_ref_2, rst_id_ref_3%1) SELECT g, g, g, 1, 2, 1, 2%2 "
                                      "FROM generate_series(2, %3) AS g")
                           .arg(columns, values)
                           .arg(kRows + 1))) {
        *error = query.lastError().text();
        return nullptr;
    }
    return db;
}

void daoRoundTrip(benchmark::State &state)
{
    QString error;
    static std::unique_ptr<Common::Db> db = openRows(&error);
    if (!db) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    Wide model;
    qint64 rows = 0;
    qint64 checksum = 0;
    for (auto _ : state) {
        Common::Dao dao(&model, db.get());
        QSqlQuery query(db->database());
        query.setForwardOnly(true);
        if (!dao.select(query, {}, {}, {}, 0, QJsonDocument())) {
            state.SkipWithError("select failed");
            return;
        }
        while (query.next()) {
            model.fillFromQuery(query);
            checksum += model.value(QStringLiteral("column_00")).toLongLong();
            ++rows;
        }
    }
    benchmark::DoNotOptimize(checksum);
    if (rows != qint64(state.iterations()) * kRows)
        state.SkipWithError("wrong row count");
    state.counters["rows_per_second"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(daoRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
