// Writing a 100,000 rows x 10 columns workbook and saving it, in rows per second; with
// libxlsxwriter available, the same workload written by it and the ratio of the two.
#include "xlsx/document.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#ifdef KORIV_HAVE_LIBXLSXWRITER
#include <xlsxwriter.h>
#endif

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int rowCount = 100000;
const char *const statuses[] = {"free", "busy", "on order", "offline", "blocked"};
const char *const cities[] = {"Kyiv", "Odesa", "Lviv"};

// The values of the workload, made once so that only the writing is measured.
struct Workload
{
    std::vector<QString> signs;
    std::vector<QString> names;
    std::vector<std::string> signsUtf8;
    std::vector<std::string> namesUtf8;
    Workload()
    {
        for (int row = 0; row < rowCount; ++row) {
            signs.push_back(QStringLiteral("D%1").arg(row % 1000));
            names.push_back(QStringLiteral("Водитель %1 Петренко").arg(row));
            signsUtf8.push_back(signs.back().toStdString());
            namesUtf8.push_back(names.back().toStdString());
        }
    }
};

const Workload &workload()
{
    static const Workload data;
    return data;
}

QString target(const char *name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

void writeWithXlsx(benchmark::State &state)
{
    const Workload &data = workload();
    const QString path = target("xlsx.xlsx");
    const QDate firstDay(2024, 1, 1);
    for (auto _ : state) {
        Xlsx::Document xlsx;
        Xlsx::Format header;
        header.setFontBold(true);
        Xlsx::Format date;
        date.setNumberFormat(QStringLiteral("dd.mm.yyyy"));
        Xlsx::Format money;
        money.setNumberFormat(QStringLiteral("0.00"));
        const Xlsx::Format plain;
        for (int column = 1; column <= 10; ++column)
            xlsx.write(1, column, QStringLiteral("Column %1").arg(column), header);
        for (int i = 0; i < rowCount; ++i) {
            const int row = i + 2;
            xlsx.write(row, 1, i + 1, plain);
            xlsx.write(row, 2, data.signs[size_t(i)], plain);
            xlsx.write(row, 3, data.names[size_t(i)], plain);
            xlsx.write(row, 4, i * 0.25 - 1000, money);
            xlsx.write(row, 5, firstDay.addDays(i % 365), date);
            xlsx.write(row, 6, QString::fromLatin1(statuses[i % 5]), plain);
            xlsx.write(row, 7, i % 97, plain);
            xlsx.write(row, 8, 4.0 + (i % 10) / 10.0, plain);
            xlsx.write(row, 9, QString::fromLatin1(cities[i % 3]), plain);
            xlsx.write(row, 10, i * 1.5, money);
        }
        if (!xlsx.saveAs(path))
            state.SkipWithError(qPrintable(xlsx.errorString()));
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}
BENCHMARK(writeWithXlsx)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

#ifdef KORIV_HAVE_LIBXLSXWRITER
void writeWithLibxlsxwriter(benchmark::State &state)
{
    const Workload &data = workload();
    const std::string path = target("libxlsxwriter.xlsx").toStdString();
    for (auto _ : state) {
        lxw_workbook *workbook = workbook_new(path.c_str());
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
        lxw_format *header = workbook_add_format(workbook);
        format_set_bold(header);
        lxw_format *date = workbook_add_format(workbook);
        format_set_num_format(date, "dd.mm.yyyy");
        lxw_format *money = workbook_add_format(workbook);
        format_set_num_format(money, "0.00");
        for (int column = 0; column < 10; ++column)
            worksheet_write_string(sheet, 0, lxw_col_t(column), ("Column " + std::to_string(column + 1)).c_str(), header);
        QDate day(2024, 1, 1);
        for (int i = 0; i < rowCount; ++i) {
            const lxw_row_t row = lxw_row_t(i + 1);
            worksheet_write_number(sheet, row, 0, i + 1, nullptr);
            worksheet_write_string(sheet, row, 1, data.signsUtf8[size_t(i)].c_str(), nullptr);
            worksheet_write_string(sheet, row, 2, data.namesUtf8[size_t(i)].c_str(), nullptr);
            worksheet_write_number(sheet, row, 3, i * 0.25 - 1000, money);
            const QDate d = day.addDays(i % 365);
            lxw_datetime when = {d.year(), d.month(), d.day(), 0, 0, 0};
            worksheet_write_datetime(sheet, row, 4, &when, date);
            worksheet_write_string(sheet, row, 5, statuses[i % 5], nullptr);
            worksheet_write_number(sheet, row, 6, i % 97, nullptr);
            worksheet_write_number(sheet, row, 7, 4.0 + (i % 10) / 10.0, nullptr);
            worksheet_write_string(sheet, row, 8, cities[i % 3], nullptr);
            worksheet_write_number(sheet, row, 9, i * 1.5, money);
        }
        if (workbook_close(workbook) != LXW_NO_ERROR)
            state.SkipWithError("libxlsxwriter could not save the workbook");
    }
    state.counters["rows_per_second"] = benchmark::Counter(double(rowCount) * double(state.iterations()),
                                                           benchmark::Counter::kIsRate);
}
BENCHMARK(writeWithLibxlsxwriter)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
#endif

// Prints the results as usual and keeps the rates for the comparison.
class RateReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const auto counter = run.counters.find("rows_per_second");
            if (counter != run.counters.end() && !run.error_occurred)
                rates[run.benchmark_name()] = counter->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> rates;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ours = reporter.rates.find("writeWithXlsx/iterations:3/real_time");
    if (ours != reporter.rates.end())
        std::printf("xlsx: %.0f rows per second (100,000 rows x 10 columns, saved)\n", ours->second);
    const auto theirs = reporter.rates.find("writeWithLibxlsxwriter/iterations:3/real_time");
    if (ours != reporter.rates.end() && theirs != reporter.rates.end())
        std::printf("libxlsxwriter: %.0f rows per second; xlsx runs at %.2f times its speed\n", theirs->second,
                    ours->second / theirs->second);
#ifndef KORIV_HAVE_LIBXLSXWRITER
    std::printf("libxlsxwriter was not found at build time: no comparison\n");
#endif
    return 0;
}
