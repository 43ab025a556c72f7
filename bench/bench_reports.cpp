// Each report over many rows, extraction and writing apart, at 50,000 and 100,000 rows: time, rows
// per second and peak memory (the process's peak resident size, reset before each run). Writing
// runs beside libxlsxwriter writing the same cells (texts, numbers and their number formats) into
// a new workbook, and the ratio is printed. Needs PostgreSQL through the PG* variables (e.g. from
// scripts/pg-tmp.sh); without them the extraction benchmarks are skipped with the reason.
#include "benchdatabase.h"
#include "benchmemory.h"

#include "report/reportfactory.h"

#include "model/base/databaseinitializer.h"
#include "model/catalogues.h"
#include "modelfixture/placeholdertables.h"

#include "common/core/db/db.h"
#include "common/core/exception/exception.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#ifdef KORIV_HAVE_LIBXLSXWRITER
#include <xlsxwriter.h>
#endif

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr qint64 hour = 3600000;
constexpr qint64 base = 946684800000; // 2000-01-01

// One cell of a data row as the report writes it: a text, or a number in a number format.
struct Column
{
    bool text;
    const char *format;
};

// A report as the benchmark runs it: the rows it seeds for a size, its options and the shape of
// the data rows its writer writes.
struct Case
{
    const char *name;
    int type;
    const char *templateName;
    std::function<QStringList(int rows)> seed;
    std::function<QJsonObject(int rows)> options;
    std::vector<Column> columns;
    // The data rows of an extraction's results.
    std::function<int(const QJsonArray &results)> rowCount;
};

int ownerRows(const QJsonArray &results)
{
    int rows = 0;
    for (const QJsonValue &owner : results)
        rows += owner["values"].toArray().size();
    return rows;
}

QJsonObject period(qint64 hours)
{
    return {{"utc", "180"}, {"dt_utc_insert_start", QString::number(base)},
            {"dt_utc_insert_end", QString::number(base + hours * hour)}};
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        {"balance_log", 14, "IndividualBalanceLogReportBase.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO drivers (id, sign, first_name, last_name) VALUES (2, 'd2', 'Ivan', 'Petrov')",
                 QStringLiteral("INSERT INTO driver_balance_logs (rst_id_owner, bg_name, bt_name, value, dt_utc_insert, "
                                "trn_key) SELECT 2, 'Bonus', 'Order ' || (n % 7), n % 100, %1 + n * 1000, n::text "
                                "FROM generate_series(1, %2) AS n").arg(base).arg(rows)};
         },
         [](int rows) {
             QJsonObject options = period(rows);
             options.insert("rst_id_owner", QJsonArray{"2"});
             options.insert("rst_id_bt", QJsonArray{"1"});
             options.insert("sign_role", "sign");
             return options;
         },
         {{true, nullptr}, {true, nullptr}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {true, nullptr}},
         ownerRows},
        {"session", 15, "IndividualSessionsReportBase.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO drivers (id, sign, first_name, last_name) VALUES (2, 'd2', 'Ivan', 'Petrov')",
                 QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, dt_start, dt_end, "
                                "duration) SELECT 2, 'd2', %1 + n::bigint * %3, 1, 2, 1800000 "
                                "FROM generate_series(1, %2) AS n").arg(base).arg(rows).arg(hour)};
         },
         [](int rows) {
             QJsonObject options = period(rows + 1);
             options.insert("rst_id_owner", QJsonArray{"2"});
             options.insert("date_truncate", "hour");
             return options;
         },
         {{true, nullptr}, {true, nullptr}, {false, "0.00"}, {true, nullptr}}, ownerRows},
        {"brand_car", 11, "mirsel/driver/BrandCarReport.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO companies (id, sign, uuid_company) VALUES (5, 'c5', 'c5')",
                 QStringLiteral("INSERT INTO drivers (id, sign, first_name, last_name, rst_id_car_company) "
                                "SELECT n + 1, 'd' || n, 'Ivan', 'Petrov', 5 FROM generate_series(1, %1) AS n")
                     .arg(rows),
                 QStringLiteral("INSERT INTO orders (rst_id_driver, dt_utc_insert, payment_type, is_free, sum_tip) "
                                "SELECT n + 1, %1, n % 3, n % 2, 100 FROM generate_series(1, %2) AS n")
                     .arg(base + 1000).arg(rows),
                 QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_utc_insert, duration) "
                                "SELECT n + 1, 'd' || n, %1, 3600000 FROM generate_series(1, %2) AS n")
                     .arg(base + 1000).arg(rows)};
         },
         [](int) { return period(1); },
         {{true, nullptr}, {true, nullptr}, {true, nullptr}, {false, nullptr}, {false, nullptr}, {false, nullptr},
          {false, nullptr}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.0"},
          {false, "0.0"}, {false, "0.0"}, {false, "0.0"}},
         [](const QJsonArray &results) { return int(results.size()); }},
        {"brand_payment", 12, "mirsel/driver/BrandPaymentReport.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO payment_systems (id, uuid, name, code) VALUES (50, 'esp', 'EasyPay', 'esp')",
                 QStringLiteral("INSERT INTO payment_systems_drivers_payments_logs (rst_id_owner, rst_id_payment_system, "
                                "amount, is_completed, dt_utc_insert) SELECT 2, 50, n % 100, 1, %1 + n::bigint * 24 * %3 "
                                "FROM generate_series(1, %2) AS n").arg(base).arg(rows).arg(hour)};
         },
         [](int rows) {
             QJsonObject options = period(qint64(rows + 1) * 24);
             options.insert("id_owners_list", QJsonArray{"2"});
             options.insert("signs", QJsonArray{"d2"});
             return options;
         },
         {{false, "dd.mm.yyyy"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"},
          {false, "0.00"}},
         [](const QJsonArray &results) { return int(results.size()); }},
        {"driver", 13, "mirsel/driver/ConsolidateDriverReport.xlsx",
         [](int rows) {
             // Ten orders per driver.
             return QStringList{
                 QStringLiteral("INSERT INTO drivers (id, sign) SELECT n + 1, 'd' || n FROM generate_series(1, %1) AS n")
                     .arg(rows / 10),
                 QStringLiteral("INSERT INTO orders (rst_id_driver, dt_utc_insert, order_status, is_completed, "
                                "completed_code, payment_type, sum_tip, assumed_feed_way) SELECT n % %2 + 2, %1, 900, 1, "
                                "5000, n % 3, 100, 2 FROM generate_series(1, %3) AS n")
                     .arg(base + 1000).arg(rows / 10).arg(rows),
                 QStringLiteral("INSERT INTO driver_sessions (rst_id_owner, sign, dt_start, dt_end, duration) "
                                "SELECT n + 1, 'd' || n, %1, %1 + 90000000, 90000000 FROM generate_series(1, %2) AS n")
                     .arg(base + 1000).arg(rows / 10)};
         },
         [](int rows) {
             QJsonObject options = period(48);
             QJsonArray ids;
             for (int i = 0; i < rows / 10; ++i)
                 ids.append(QString::number(i + 2));
             options.insert("id_owners_list", ids);
             return options;
         },
         {{true, nullptr}, {true, nullptr}, {false, "0.00"}, {false, "0.00"}, {false, "0"}, {false, "0"},
          {false, nullptr}, {false, nullptr}, {false, nullptr}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"},
          {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}},
         [](const QJsonArray &results) { return int(results.first()["values"].toArray().size()); }},
        {"card_group", 0, "tavik/cards/IndividualCardGroupReport.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO card_groups (id, sign, serie) VALUES (4, 'g4', 'AB')",
                 "INSERT INTO cards (id, rst_id_cg, description) VALUES (7, 4, 'Anna card')",
                 QStringLiteral("INSERT INTO orders (rst_id_cd, is_completed, completed_code, dt_complete, sum_tip, "
                                "cd_num, client_name, driver) SELECT 7, 1, 5000, %1 + n, n % 100, '4111', 'Anna', 'd9' "
                                "FROM generate_series(1, %2) AS n").arg(base).arg(rows)};
         },
         [](int rows) {
             QJsonObject options = period(rows);
             options.insert("id_owners_list", QJsonArray{"4"});
             return options;
         },
         {{false, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr},
          {true, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr}, {false, "0.00"}, {true, nullptr},
          {true, nullptr}},
         ownerRows},
        {"company", 2, "tavik/company/ConsolidatedCompanyReport.xlsx",
         [](int rows) {
             return QStringList{QStringLiteral("INSERT INTO call_detail_records (rst_id_company, coming_type, "
                                               "disposition, dt_utc_insert) SELECT 5, 1, 'ANSWERED', %1 + n::bigint * %3 "
                                               "FROM generate_series(1, %2) AS n").arg(base).arg(rows).arg(hour)};
         },
         [](int rows) {
             QJsonObject options = period(rows);
             options.insert("rst_id_owner", QJsonArray{"5"});
             options.insert("date_truncate", "hour");
             return options;
         },
         {{true, nullptr}, {false, "0"}, {false, "0"}, {false, "0"}, {false, "0"}, {false, "0"}, {false, "0"},
          {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"},
          {false, "0.00"}, {false, "0.00"}},
         [](const QJsonArray &results) { return int(results.first()["values"].toArray().size()); }},
        {"user_salary", 3, "tavik/user/ConsolidatedUserSalaryReport.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO user_balance_types (id, code) VALUES (2, 'sys.salary.salary_calls_debit')",
                 QStringLiteral("INSERT INTO users (id, sign) SELECT n + 100, 'op' || n FROM generate_series(1, %1) AS n")
                     .arg(rows / 100),
                 QStringLiteral("INSERT INTO user_sessions (rst_id_owner, sign, dt_utc_insert, duration) SELECT n + 100, "
                                "'op', %1, 3600000 FROM generate_series(1, %2) AS n").arg(base + 1000).arg(rows / 100),
                 QStringLiteral("INSERT INTO user_balance_logs (rst_id_owner, rst_id_bt, value, dt_utc_insert, trn_key) "
                                "SELECT n % %2 + 101, 2, 10, %1 + n, n::text FROM generate_series(1, %3) AS n")
                     .arg(base).arg(rows / 100).arg(rows)};
         },
         [](int rows) {
             QJsonObject options = period(rows);
             QJsonArray ids;
             for (int i = 1; i <= rows / 100; ++i)
                 ids.append(QString::number(i + 100));
             options.insert("id_owners_list", ids);
             return options;
         },
         {{true, nullptr}, {true, nullptr}, {false, nullptr}, {false, "0.00"}, {false, nullptr}, {false, nullptr},
          {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"}, {false, "0.00"},
          {false, "0.00"}, {false, "0.00"}, {false, "0.00"}},
         [](const QJsonArray &results) { return int(results.size()); }},
        {"user_transactions", 10, "tavik/user/UserTransactionsReport.xlsx",
         [](int rows) {
             return QStringList{
                 "INSERT INTO users (id, sign) VALUES (41, 'op41')",
                 QStringLiteral("INSERT INTO user_balance_logs (rst_id_owner, rst_id_user_created, sign_user_created, "
                                "bg_name, bt_name, value, dt_utc_insert, trn_key) SELECT 41, 41, 'op41', 'Salary', "
                                "'Bonus', n % 100, %1 + n, n::text FROM generate_series(1, %2) AS n")
                     .arg(base).arg(rows)};
         },
         [](int rows) {
             QJsonObject options = period(rows);
             options.insert("id_owners_list", QJsonArray{"41"});
             return options;
         },
         {{true, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr}, {true, nullptr}, {false, "0.00"},
          {true, nullptr}, {true, nullptr}, {true, nullptr}},
         [](const QJsonArray &results) { return int(results.size()); }},
        {"missed_calls", 5, "tavik/cdr/MissedCallsReport.xlsx",
         [](int rows) {
             // A month of hourly slots.
             return QStringList{QStringLiteral("INSERT INTO call_detail_records (rst_id_company, coming_type, "
                                               "disposition, last_application, dt_utc_insert) SELECT 5, 1, "
                                               "CASE WHEN n % 3 = 0 THEN 'BUSY' ELSE 'ANSWERED' END, 'Queue', "
                                               "%1 + n::bigint * %3 / %2 FROM generate_series(1, %2) AS n")
                                    .arg(base).arg(rows).arg(30 * 24 * hour)};
         },
         [](int) {
             return QJsonObject{{"rst_id_company", "5"}, {"operators_group_id", "4"}, {"utc", "180"},
                                {"dt_start", QString::number(base)}, {"dt_end", QString::number(base + 30 * 24 * hour)}};
         },
         {{true, nullptr}, {true, nullptr}, {false, nullptr}, {false, nullptr}, {false, nullptr}, {false, nullptr},
          {false, nullptr}, {false, nullptr}, {false, "0.00"}},
         [](const QJsonArray &results) { return int(results.size()); }},
        {"user_duties", 8, "tavik/user/ConsolidatedUserDutiesReport.xlsx",
         [](int rows) {
             // Users by 100 journals, a duty in each.
             return QStringList{
                 QStringLiteral("INSERT INTO users (id, sign) SELECT n + 100, 'op' || n FROM generate_series(1, %1) AS n")
                     .arg(rows / 100),
                 QStringLiteral("INSERT INTO user_planing_duty_journals (id, dt_start, units_amount, hours_amount) "
                                "SELECT n + 1, %1 + n, 10, 8 FROM generate_series(1, 100) AS n").arg(base),
                 QStringLiteral("INSERT INTO user_duties (rst_id_owner, rst_id_plan_duty_journal) SELECT n / 100 + 101, "
                                "n % 100 + 2 FROM generate_series(0, %1 - 1) AS n").arg(rows)};
         },
         [](int) {
             return QJsonObject{{"utc", "180"}, {"dt_start_start", QString::number(base)},
                                {"dt_start_end", QString::number(base + hour)}, {"only_assigned_owners", true}};
         },
         std::vector<Column>(103, Column{true, nullptr}),
         [](const QJsonArray &results) { return int(results.first()["users"].toArray().size()); }},
    };
    return all;
}

// Peak memory of one run: how far the resident size rose above what it was at the start.
double g_startMiB = 0;

void resetPeakMemory()
{
    g_startMiB = Bench::resetPeakMemory();
}

double peakMemoryMiB()
{
    return Bench::peakMiB() - g_startMiB;
}

// A schema with every table and the case's rows; the extraction's results, kept for writing.
bool prepare(Common::Db *db, const Case &c, int rows, QString *error)
{
    QSqlQuery query(db->database());
    if (!Bench::enterFreshSchema(query, QStringLiteral("bench_reports"), error))
        return false;
    const QVector<Model::Creator::Factory> catalogues = Model::allCatalogues();
    Model::DatabaseInitializer initializer(db);
    if (!ModelFixture::createPlaceholderTables(db, catalogues) || !initializer.run(catalogues)) {
        *error = QStringLiteral("the database was not built: ") + initializer.lastError();
        return false;
    }
    QFile schema(QStringLiteral(KORIV_SOURCE_DIR "/tools/report/report-tables.sql"));
    schema.open(QIODevice::ReadOnly);
    QStringList statements{QString::fromUtf8(schema.readAll())};
    statements += c.seed(rows);
    statements.append(QStringLiteral("ANALYZE"));
    for (const QString &sql : statements) {
        if (!query.exec(sql)) {
            *error = sql.left(200) + QLatin1String(": ") + query.lastError().text();
            return false;
        }
    }
    Model::registerAllCatalogues();
    return true;
}

std::map<std::string, QJsonArray> &keptResults()
{
    static std::map<std::string, QJsonArray> results;
    return results;
}

std::string key(const Case &c, int rows)
{
    return std::string(c.name) + "/" + std::to_string(rows);
}

void extraction(benchmark::State &state, const Case &c)
{
    const int rows = int(state.range(0));
    QString error;
    Common::Db *db = Bench::sharedDb(&error);
    if (!db || !prepare(db, c, rows, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(c.type, db);
    QJsonArray results;
    double peak = 0;
    for (auto _ : state) {
        resetPeakMemory();
        try {
            results = report->extractResult(c.options(rows));
        } catch (const Exception &e) {
            state.SkipWithError(qPrintable(e.message()));
            return;
        }
        peak = std::max(peak, peakMemoryMiB());
    }
    keptResults()[key(c, rows)] = results;
    state.counters["result_rows"] = c.rowCount(results);
    state.counters["peak_MiB"] = peak;
    state.counters["rows_per_second"] =
        benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// Writing needs the extraction's results: without a database, rows made from the shape.
QJsonArray resultsFor(const Case &c, int rows)
{
    const auto kept = keptResults().find(key(c, rows));
    return kept != keptResults().end() ? kept->second : QJsonArray();
}

void writing(benchmark::State &state, const Case &c)
{
    const int rows = int(state.range(0));
    const QJsonArray results = resultsFor(c, rows);
    if (results.isEmpty()) {
        state.SkipWithError("no extraction results to write (the extraction did not run)");
        return;
    }
    const QString json = QString::fromUtf8(
        QJsonDocument(QJsonObject{{"options", c.options(rows)}, {"results", results}}).toJson(QJsonDocument::Compact));
    QTemporaryDir folder;
    const QSharedPointer<Report::AbstractReport> report = Report::createReport(c.type);
    double peak = 0;
    int run = 0;
    for (auto _ : state) {
        resetPeakMemory();
        if (!report->generate(json, folder.filePath(QString::number(++run)),
                              QStringLiteral(":/files_template/") + QLatin1String(c.templateName))) {
            state.SkipWithError(qPrintable(report->errorString()));
            return;
        }
        peak = std::max(peak, peakMemoryMiB());
    }
    state.counters["data_rows"] = c.rowCount(results);
    state.counters["peak_MiB"] = peak;
    state.counters["rows_per_second"] =
        benchmark::Counter(double(c.rowCount(results)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

#ifdef KORIV_HAVE_LIBXLSXWRITER
// The same data cells written by libxlsxwriter: one text or number per column of the case's shape.
void writingWithLibxlsxwriter(benchmark::State &state, const Case &c)
{
    const int rows = c.rowCount(resultsFor(c, int(state.range(0))));
    if (rows == 0) {
        state.SkipWithError("no extraction results to write (the extraction did not run)");
        return;
    }
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("anchor.xlsx")).toStdString();
    std::vector<std::string> texts;
    for (int i = 0; i < 100; ++i)
        texts.push_back("Bonus, Order " + std::to_string(i));
    double peak = 0;
    for (auto _ : state) {
        resetPeakMemory();
        lxw_workbook *workbook = workbook_new(path.c_str());
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
        std::vector<lxw_format *> formats;
        for (const Column &column : c.columns) {
            lxw_format *format = workbook_add_format(workbook);
            format_set_border(format, LXW_BORDER_DOTTED);
            if (column.format)
                format_set_num_format(format, column.format);
            formats.push_back(format);
        }
        for (int i = 0; i < rows; ++i) {
            for (size_t column = 0; column < c.columns.size(); ++column) {
                if (c.columns[column].text)
                    worksheet_write_string(sheet, lxw_row_t(i + 21), lxw_col_t(column + 1), texts[size_t(i % 100)].c_str(),
                                           formats[column]);
                else
                    worksheet_write_number(sheet, lxw_row_t(i + 21), lxw_col_t(column + 1), i * 0.5, formats[column]);
            }
        }
        if (workbook_close(workbook) != LXW_NO_ERROR) {
            state.SkipWithError("libxlsxwriter could not save the workbook");
            return;
        }
        peak = std::max(peak, peakMemoryMiB());
    }
    state.counters["data_rows"] = rows;
    state.counters["peak_MiB"] = peak;
    state.counters["rows_per_second"] =
        benchmark::Counter(double(rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
#endif

// Prints the results as usual and keeps times and rates for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (!run.error_occurred) {
                seconds[run.benchmark_name()] = run.GetAdjustedRealTime() / 1000;
                const auto peak = run.counters.find("peak_MiB");
                peaks[run.benchmark_name()] = peak != run.counters.end() ? double(peak->second.value) : 0;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
    std::map<std::string, double> peaks;
};

void registerBenchmarks()
{
    for (const Case &c : cases()) {
        for (const char *kind : {"extract", "write", "libxlsxwriter"}) {
            const std::string name = std::string(kind) + "/" + c.name;
            benchmark::internal::Benchmark *b = nullptr;
            if (std::string(kind) == "extract")
                b = benchmark::RegisterBenchmark(name.c_str(), extraction, c);
            else if (std::string(kind) == "write")
                b = benchmark::RegisterBenchmark(name.c_str(), writing, c);
#ifdef KORIV_HAVE_LIBXLSXWRITER
            else
                b = benchmark::RegisterBenchmark(name.c_str(), writingWithLibxlsxwriter, c);
#endif
            if (b)
                b->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
        }
    }
}

void printSummary(const SummaryReporter &reporter)
{
    std::printf("\nreport            rows  extract s  (x2 rows)  peak MiB  write s  (x2 rows)  peak MiB  "
                "libxlsxwriter s  peak MiB  write/libxlsxwriter\n");
    for (const Case &c : cases()) {
        const auto at = [&](const char *kind, int rows) {
            const auto it = reporter.seconds.find(std::string(kind) + "/" + c.name + "/" + std::to_string(rows)
                                                  + "/iterations:1/real_time");
            return it != reporter.seconds.end() ? it->second : 0.0;
        };
        const auto peak = [&](const char *kind, int rows) {
            const auto it = reporter.peaks.find(std::string(kind) + "/" + c.name + "/" + std::to_string(rows)
                                                + "/iterations:1/real_time");
            return it != reporter.peaks.end() ? it->second : 0.0;
        };
        const double anchor = at("libxlsxwriter", 100000);
        std::printf("%-14s %7d  %9.3f  %9.2f  %8.1f  %7.3f  %9.2f  %8.1f  %15.3f  %8.1f  %19.2f\n", c.name, 100000,
                    at("extract", 100000), at("extract", 50000) > 0 ? at("extract", 100000) / at("extract", 50000) : 0,
                    peak("extract", 100000), at("write", 100000),
                    at("write", 50000) > 0 ? at("write", 100000) / at("write", 50000) : 0, peak("write", 100000),
                    anchor, peak("libxlsxwriter", 100000), anchor > 0 ? at("write", 100000) / anchor : 0);
    }
#ifndef KORIV_HAVE_LIBXLSXWRITER
    std::printf("libxlsxwriter was not found at build time: no comparison\n");
#endif
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    return 0;
}
