// Closing driver editors one after the other, in the program signed in to the stand-in over
// PostgreSQL (needs the PG* variables of scripts/pg-tmp.sh). The editors open each in a window of
// its own, as the driver table opens them by default, each on a driver of its own, read and
// locked; then the operator closes their windows one by one, the one opened last (on top) first.
//   CloseEditors/N, N editors open: "ms_per_close" the mean time from a window's close until its
//     editor and window are gone and nothing is left to process; "first_ms" the first close (N
//     open), "last_ms" the last (one open).
//   The first count of --editors (10) is the anchor of the second (50), whose "x_anchor" is its
//     time per close over the anchor's: a close should cost the same however many are open.
// --iterations=N rounds of opening and closing at each count (3). Offscreen, software renderer.
// The program fails when an editor did not open read and locked, a window did not close, or QML
// warned.
#include "editorwindows.h"
#include "fleetbench.h"
#include "pageprogram.h"

#include "startup/startup.h"

#include "gui/core/context.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// The editors of the anchor and of the measure beside it (--editors=10,50).
int anchorEditors = 10;
int mostEditors = 50;

EditorWindows *editorWindows = nullptr;
bool failed = false;

struct Closes
{
    double perClose = 0;
    double first = 0;
    double last = 0;
};
// Mean times in seconds by the number of editors open.
std::map<int, Closes> costs;

void CloseEditors(benchmark::State &state)
{
    const int count = int(state.range(0));
    const auto fail = [&state](const QString &why) {
        failed = true;
        state.SkipWithError(qPrintable(why));
    };
    Closes total;
    for (auto _ : state) {
        if (!editorWindows->openUpTo(count))
            return fail(QStringLiteral("the driver editors did not open read and locked"));
        double round = 0;
        for (int open = count; open > 0; --open) {
            // The clock measures the close alone: what the opening or the last close left running
            // (the unlock's answer, timers, garbage) is done first.
            FleetBench::settle(Gui::Context::qmlEngine());
            QElapsedTimer clock;
            clock.start();
            if (!editorWindows->closeLast())
                return fail(QStringLiteral("an editor's window did not close with %1 open").arg(open));
            const double seconds = double(clock.nsecsElapsed()) / 1e9;
            round += seconds;
            if (open == count)
                total.first += seconds;
            if (open == 1)
                total.last += seconds;
        }
        state.SetIterationTime(round);
        total.perClose += round / count;
    }
    const double runs = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    const Closes mean{total.perClose / runs, total.first / runs, total.last / runs};
    costs[count] = mean;
    state.counters["ms_per_close"] = mean.perClose * 1e3;
    state.counters["first_ms"] = mean.first * 1e3;
    state.counters["last_ms"] = mean.last * 1e3;
    if (count != mostEditors || !costs.count(anchorEditors))
        return;
    const Closes anchor = costs.at(anchorEditors);
    state.counters["x_anchor"] = mean.perClose / anchor.perClose;
    std::printf("Time per close with %d editors open over that with %d: x%.2f (%.1f ms, %.1f ms); "
                "closing the first of the %d %.1f ms, the last %.1f ms\n",
                count, anchorEditors, mean.perClose / anchor.perClose, mean.perClose * 1e3, anchor.perClose * 1e3,
                count, mean.first * 1e3, mean.last * 1e3);
}

} // namespace

int main(int argc, char **argv)
{
    FleetBench::setPageDefaults("offscreen", KORIV_DBINIT, KORIV_SOURCE_DIR);
    const int iterations = EditorWindows::readOptions(&argc, argv, &anchorEditors, &mostEditors);
    QTemporaryDir home;
    FleetBench::useFolders(home.path());
    Startup::prepare();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        PageProgram state;
        const QString failure =
            state.start(QStringLiteral("editorclose"), {}, {EditorWindows::seedDrivers(mostEditors)});
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "bench_editorclose: %s\n", qPrintable(failure));
            return 1;
        }
        EditorWindows windows(&state, mostEditors);
        editorWindows = &windows;
        benchmark::RegisterBenchmark("CloseEditors", CloseEditors)
            ->Arg(anchorEditors)
            ->Arg(mostEditors)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
        benchmark::RunSpecifiedBenchmarks();
        const QString problems = state.problems();
        if (!problems.isEmpty()) {
            std::fprintf(stderr, "bench_editorclose: %s\n", qPrintable(problems));
            failed = true;
        }
        editorWindows = nullptr;
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
