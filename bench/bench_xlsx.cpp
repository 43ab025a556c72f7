// The workbook library against its anchors, each figure measured in a process of its own so that
// its peak memory is its own:
//  - saving 100,000 rows x 10 columns: time and peak memory against libxlsxwriter's default and
//    constant-memory modes;
//  - merging ranges and writing a row right to left: time per range or cell at growing sizes,
//    with the time of writing left to right as the anchor of the latter;
//  - opening workbooks of 10,000 to 500,000 rows x 10 columns: time and peak memory, against
//    openpyxl reading the same file (up to 100,000 rows);
//  - opening the workbook of a million rows x 10 columns that this library writes: time and peak
//    memory against the size of its parts' XML and openpyxl's streaming (read-only) reader.
// Every figure is a benchmark of one iteration whose time is the task's own; "x_..." counters
// are the ratios to the anchors.
#include "benchfailure.h"
#include "xlsx/document.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

const char *const statuses[] = {"free", "busy", "on order", "offline", "blocked"};
const char *const cities[] = {"Kyiv", "Odesa", "Lviv"};

struct Figures
{
    double seconds = -1;
    double peakMiB = -1;
};

// Runs this program again with the task's arguments; its time is what it prints, its memory the
// peak the system counted for it.
Figures inChild(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv{const_cast<char *>("/proc/self/exe")};
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; spawned == 0 && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, size_t(n));
    close(pipeEnds[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Figures figures;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        figures.seconds = std::atof(output.c_str());
        figures.peakMiB = double(usage.ru_maxrss) / 1024.0;
    }
    return figures;
}

double since(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

// The tasks, run in the child ------------------------------------------------------------------

double saveOurs(const std::string &path, int rows)
{
    std::vector<QString> signs, names;
    for (int row = 0; row < rows; ++row) {
        signs.push_back(QStringLiteral("D%1").arg(row % 1000));
        names.push_back(QStringLiteral("Водитель %1 Петренко").arg(row));
    }
    QElapsedTimer timer;
    timer.start();
    Xlsx::Document xlsx;
    Xlsx::Format header;
    header.setFontBold(true);
    Xlsx::Format date;
    date.setNumberFormat(QStringLiteral("dd.mm.yyyy"));
    Xlsx::Format money;
    money.setNumberFormat(QStringLiteral("0.00"));
    const Xlsx::Format plain;
    const QDate firstDay(2024, 1, 1);
    for (int column = 1; column <= 10; ++column)
        xlsx.write(1, column, QStringLiteral("Column %1").arg(column), header);
    for (int i = 0; i < rows; ++i) {
        const int row = i + 2;
        xlsx.write(row, 1, i + 1, plain);
        xlsx.write(row, 2, signs[size_t(i)], plain);
        xlsx.write(row, 3, names[size_t(i)], plain);
        xlsx.write(row, 4, i * 0.25 - 1000, money);
        xlsx.write(row, 5, firstDay.addDays(i % 365), date);
        xlsx.write(row, 6, QString::fromLatin1(statuses[i % 5]), plain);
        xlsx.write(row, 7, i % 97, plain);
        xlsx.write(row, 8, 4.0 + (i % 10) / 10.0, plain);
        xlsx.write(row, 9, QString::fromLatin1(cities[i % 3]), plain);
        xlsx.write(row, 10, i * 1.5, money);
    }
    return xlsx.saveAs(QString::fromStdString(path)) ? since(timer) : -1;
}

double saveLibxlsxwriter(const std::string &path, int rows, bool constantMemory)
{
    std::vector<std::string> signs, names;
    for (int row = 0; row < rows; ++row) {
        signs.push_back("D" + std::to_string(row % 1000));
        names.push_back("Водитель " + std::to_string(row) + " Петренко");
    }
    QElapsedTimer timer;
    timer.start();
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook *workbook = workbook_new_opt(path.c_str(), &options);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *header = workbook_add_format(workbook);
    format_set_bold(header);
    lxw_format *date = workbook_add_format(workbook);
    format_set_num_format(date, "dd.mm.yyyy");
    lxw_format *money = workbook_add_format(workbook);
    format_set_num_format(money, "0.00");
    for (int column = 0; column < 10; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), ("Column " + std::to_string(column + 1)).c_str(), header);
    const QDate day(2024, 1, 1);
    for (int i = 0; i < rows; ++i) {
        const lxw_row_t row = lxw_row_t(i + 1);
        worksheet_write_number(sheet, row, 0, i + 1, nullptr);
        worksheet_write_string(sheet, row, 1, signs[size_t(i)].c_str(), nullptr);
        worksheet_write_string(sheet, row, 2, names[size_t(i)].c_str(), nullptr);
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
    return workbook_close(workbook) == LXW_NO_ERROR ? since(timer) : -1;
}

double openOurs(const std::string &path)
{
    QElapsedTimer timer;
    timer.start();
    Xlsx::Document xlsx(QString::fromStdString(path));
    return xlsx.isLoadPackage() && xlsx.dimension().isValid() ? since(timer) : -1;
}

double merge(int ranges)
{
    Xlsx::Document xlsx;
    QElapsedTimer timer;
    timer.start();
    // Two-cell ranges side by side, 100 to a row.
    for (int i = 0; i < ranges; ++i) {
        const int row = 1 + i / 100;
        const int column = 1 + 2 * (i % 100);
        if (!xlsx.mergeCells(Xlsx::CellRange(row, column, row, column + 1)))
            return -1;
    }
    return since(timer);
}

double writeRow(int cells, bool rightToLeft)
{
    Xlsx::Document xlsx;
    QElapsedTimer timer;
    timer.start();
    for (int rows = 1; rows <= 10; ++rows) {
        for (int i = 0; i < cells; ++i)
            xlsx.write(rows, rightToLeft ? cells - i : i + 1, i);
    }
    return since(timer);
}

int child(int argc, char **argv)
{
    const std::string task = argv[1];
    double seconds = -1;
    if (task == "save-ours" && argc == 4)
        seconds = saveOurs(argv[2], std::atoi(argv[3]));
    else if ((task == "save-lxw" || task == "save-lxw-constant") && argc == 4)
        seconds = saveLibxlsxwriter(argv[2], std::atoi(argv[3]), task == "save-lxw-constant");
    else if (task == "open-ours" && argc == 3)
        seconds = openOurs(argv[2]);
    else if (task == "merge" && argc == 3)
        seconds = merge(std::atoi(argv[2]));
    else if ((task == "row-rtl" || task == "row-ltr") && argc == 3)
        seconds = writeRow(std::atoi(argv[2]), task == "row-rtl");
    if (seconds < 0)
        return 1;
    std::printf("%.6f\n", seconds);
    return 0;
}

// The parent ------------------------------------------------------------------------------------

// openpyxl reading every cell of the workbook, in Debian's python3, whole or with its streaming
// reader (which keeps nothing, so its memory is the floor); its time and peak memory.
Figures openpyxl(const std::string &path, bool streaming = false)
{
    QProcess python;
    const QString script = QStringLiteral(
        "import resource, sys, time\n"
        "import openpyxl\n"
        "start = time.monotonic()\n"
        "streaming = sys.argv[2] == '1'\n"
        "wb = openpyxl.load_workbook(sys.argv[1], read_only=streaming)\n"
        "cells = sum(1 for row in wb.active.iter_rows(values_only=True) for v in row if v is not None)\n"
        "print(time.monotonic() - start, resource.getrusage(resource.RUSAGE_SELF).ru_maxrss / 1024.0)\n");
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, QString::fromStdString(path),
                                                      streaming ? QStringLiteral("1") : QStringLiteral("0")});
    if (!python.waitForFinished(-1) || python.exitCode() != 0)
        return {};
    const QStringList words = QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char(' '));
    return words.size() == 2 ? Figures{words[0].toDouble(), words[1].toDouble()} : Figures{};
}

// The XML the workbook's parts hold once decompressed, in MiB.
double inflatedMiB(const std::string &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile\n"
                                 "print(sum(i.file_size for i in zipfile.ZipFile(sys.argv[1]).infolist()) / 1048576.0)\n"),
                  QString::fromStdString(path)});
    if (!python.waitForFinished(-1) || python.exitCode() != 0)
        return -1;
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed().toDouble();
}

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

std::string pathOf(const QString &name)
{
    return folder().filePath(name).toStdString();
}

bool record(benchmark::State &state, const Figures &figures)
{
    if (figures.seconds < 0) {
        Bench::fail(state, "the task failed");
        return false;
    }
    state.SetIterationTime(figures.seconds);
    state.counters["peak_MiB"] = figures.peakMiB;
    return true;
}

void save100k(benchmark::State &state)
{
    const std::string path = pathOf(QStringLiteral("save.xlsx"));
    for (auto _ : state) {
        const Figures ours = inChild({"save-ours", path, "100000"});
        const Figures lxw = inChild({"save-lxw", path, "100000"});
        const Figures constant = inChild({"save-lxw-constant", path, "100000"});
        if (!record(state, ours))
            return;
        if (lxw.seconds < 0 || constant.seconds < 0) {
            Bench::fail(state, "a libxlsxwriter task failed");
            return;
        }
        state.counters["lxw_s"] = lxw.seconds;
        state.counters["lxw_MiB"] = lxw.peakMiB;
        state.counters["lxw_constant_MiB"] = constant.peakMiB;
        state.counters["x_time_lxw"] = ours.seconds / lxw.seconds;
        state.counters["x_memory_lxw"] = ours.peakMiB / lxw.peakMiB;
        state.counters["x_memory_lxw_constant"] = ours.peakMiB / constant.peakMiB;
    }
}
BENCHMARK(save100k)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

void sized(benchmark::State &state, const char *task, const char *anchorTask)
{
    const int size = int(state.range(0));
    for (auto _ : state) {
        const Figures figures = inChild({task, std::to_string(size)});
        if (!record(state, figures))
            return;
        state.counters["ns_each"] = figures.seconds / size * 1e9;
        if (!anchorTask)
            continue;
        const Figures anchor = inChild({anchorTask, std::to_string(size)});
        if (anchor.seconds < 0) {
            Bench::fail(state, "the anchor task failed");
            return;
        }
        state.counters["x_left_to_right"] = figures.seconds / anchor.seconds;
    }
    state.SetComplexityN(size);
}

void mergeRanges(benchmark::State &state) { sized(state, "merge", nullptr); }
BENCHMARK(mergeRanges)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Unit(benchmark::kMillisecond)->UseManualTime()
    ->Iterations(1)->Complexity(benchmark::oN);

// Ten rows of that many cells, written from the last column to the first.
void rowRightToLeft(benchmark::State &state) { sized(state, "row-rtl", "row-ltr"); }
BENCHMARK(rowRightToLeft)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Unit(benchmark::kMillisecond)->UseManualTime()
    ->Iterations(1)->Complexity(benchmark::oN);

void openRows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    const std::string path = pathOf(QStringLiteral("open-%1.xlsx").arg(rows));
    if (inChild({"save-lxw-constant", path, std::to_string(rows)}).seconds < 0) {
        Bench::fail(state, "the workbook could not be written");
        return;
    }
    for (auto _ : state) {
        const Figures ours = inChild({"open-ours", path});
        if (!record(state, ours))
            return;
        state.counters["us_per_cell"] = ours.seconds / (rows * 10.0) * 1e6;
        state.counters["bytes_per_cell"] = ours.peakMiB * 1048576.0 / (rows * 10.0);
        if (rows <= 100000) {
            const Figures theirs = openpyxl(path);
            if (theirs.seconds < 0) {
                Bench::fail(state, "openpyxl did not read the workbook");
                return;
            }
            state.counters["x_time_openpyxl"] = ours.seconds / theirs.seconds;
            state.counters["x_memory_openpyxl"] = ours.peakMiB / theirs.peakMiB;
        }
    }
    state.SetComplexityN(rows);
}
// 500,000 rows take a while: --benchmark_filter='openRows/(10000|100000)/' leaves them out.
BENCHMARK(openRows)->Arg(10000)->Arg(100000)->Arg(500000)->Unit(benchmark::kMillisecond)->UseManualTime()
    ->Iterations(1)->Complexity(benchmark::oN);

// The million rows this library writes (the table export's shape: numbers, texts, dates),
// read again: the reader keeps its cells, rows and texts, not the parts' XML.
void openOwnMillion(benchmark::State &state)
{
    const int rows = 1000000;
    const std::string path = pathOf(QStringLiteral("own-million.xlsx"));
    const Figures written = inChild({"save-ours", path, std::to_string(rows)});
    if (written.seconds < 0) {
        Bench::fail(state, "the workbook could not be written");
        return;
    }
    for (auto _ : state) {
        const Figures ours = inChild({"open-ours", path});
        if (!record(state, ours))
            return;
        const double xml = inflatedMiB(path);
        if (xml < 0) {
            Bench::fail(state, "the workbook's parts could not be read");
            return;
        }
        state.counters["xml_MiB"] = xml;
        state.counters["x_memory_xml"] = ours.peakMiB / xml;
        state.counters["bytes_per_cell"] = ours.peakMiB * 1048576.0 / (rows * 10.0);
        state.counters["writer_MiB"] = written.peakMiB;
        const Figures theirs = openpyxl(path, true);
        if (theirs.seconds < 0) {
            Bench::fail(state, "openpyxl did not read the workbook");
            return;
        }
        state.counters["openpyxl_readonly_s"] = theirs.seconds;
        state.counters["openpyxl_readonly_MiB"] = theirs.peakMiB;
        state.counters["x_time_openpyxl_readonly"] = ours.seconds / theirs.seconds;
    }
}
BENCHMARK(openOwnMillion)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) != 0)
        return child(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return Bench::exitCode();
}
