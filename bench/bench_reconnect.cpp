// A reconnection with driver editors open, in the program signed in to the stand-in over
// PostgreSQL through the relay that cuts connections (needs the PG* variables of
// scripts/pg-tmp.sh). The editors open each in a window of its own, as the driver table opens
// them by default, each on a driver of its own, read and locked. The relay cuts the connection and
// refuses new ones until the program knows it is offline, then lets it connect again.
//   Reconnect/N, N editors open: "ms" from the connection made again (before it the program only
//     waits out its reconnection pause) until every editor's record, read again once the session
//     opened, has been answered and taken, every answer asked for at that opening has come, and
//     nothing is left in the event queue; "cpu_ms" the GUI thread's CPU time over the same span.
//     "ms_per_editor" and "cpu_ms_per_editor" divide them by N. "windows_left_drawing": the most
//     windows that still asked for frames 3 s after a reconnection (each would keep the GUI thread
//     drawing: the run fails).
//   Reconnect/0 is the reconnection alone; the first count of --editors (10) the anchor of the
//     second (50), whose "x_anchor" and "cpu_x_anchor" are its per-editor costs over the anchor's,
//     and "net_x_anchor" and "cpu_net_x_anchor" the same above Reconnect/0's cost.
// --iterations=N reconnections measured at each count (3), after one that is not. Offscreen,
// software renderer. The program fails when a reconnection did not read every editor's record
// again and lock it, when windows went on drawing after it, or when QML warned.
#include "editorwindows.h"
#include "fleetbench.h"
#include "pageprogram.h"
#include "timelimit.h"

#include "startup/startup.h"

#include "client/controller/itemcontroller.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "common/net/network.h"

#include <QApplication>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QWindow>
#include <qpa/qplatformwindow.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <pthread.h>

namespace {

using Client::Controller::UserSession;
using FleetBench::idleUntil;
// The editors of the anchor and of the measure beside it (--editors=10,50).
int anchorEditors = 10;
int mostEditors = 50;

PageProgram *program = nullptr;
EditorWindows *editorWindows = nullptr;
QString cityId;
// The GUI thread's CPU clock, and its reading and the steady clock's when the program's connection
// was last made, taken in the network thread.
clockid_t guiCpuClock;
std::atomic<qint64> connectedAt{0};
std::atomic<qint64> cpuAtConnection{0};
bool failed = false;

struct Cost
{
    double seconds = 0;
    double cpuSeconds = 0;
};
// Mean cost of a reconnection by the number of editors open.
std::map<int, Cost> costs;

// A controller of its own that asks the server for a record after the requests of the session's
// opening: the server answers a connection's requests in order, so its answer comes after theirs.
class Sentinel : public Client::Controller::ItemController
{
public:
    QString name() const override { return QStringLiteral("city"); }
};

qint64 nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

UserSession *session()
{
    return SpSingleton<UserSession>::instance();
}

// The windows that wait for a frame to be drawn.
int windowsDrawing()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return int(std::count_if(windows.cbegin(), windows.cend(), [](QWindow *window) {
        return window->handle() && window->handle()->hasPendingUpdateRequest();
    }));
}

struct Reconnection
{
    Cost cost;
    // Windows still asking for frames a while after: each keeps the GUI thread drawing.
    int leftDrawing = 0;
};

// One reconnection with the editors open; nothing, with failure set, when it did not read every
// editor's record again.
std::optional<Reconnection> reconnect(QString *failure)
{
    AnswerLossProxy &proxy = program->proxy();
    const int reads = program->sentCount(QStringLiteral("driver_trInfo"));
    const int locks = program->sentCount(QStringLiteral("driver_trLock"));
    proxy.cut(true);
    if (!idleUntil([] { return session()->isOffline(); })) {
        *failure = QStringLiteral("the program did not find out that it was offline");
        return std::nullopt;
    }
    // Connected after the editors' handlers, it asks once they have made their requests.
    Sentinel sentinel;
    bool answered = false;
    QObject::connect(session(), &UserSession::saOpen, &sentinel,
                     [&] { sentinel.trInfo({{QStringLiteral("id"), cityId}}); });
    QObject::connect(&sentinel, &Sentinel::saInfo, &sentinel, [&](const QVariantMap &answer) {
        answered = answered || answer.value(QStringLiteral("RECEIVER")).toString() == sentinel.objectNumber();
    });
    const qint64 released = nanoseconds(CLOCK_MONOTONIC);
    proxy.release();
    if (!idleUntil([&] { return answered && editorWindows->allSettled(); })) {
        *failure = QStringLiteral("the editors did not show their records again");
        return std::nullopt;
    }
    Reconnection done;
    done.cost = {double(nanoseconds(CLOCK_MONOTONIC) - connectedAt.load()) / 1e9,
                 double(nanoseconds(guiCpuClock) - cpuAtConnection.load()) / 1e9};
    if (connectedAt.load() < released) {
        *failure = QStringLiteral("the program did not connect again");
        return std::nullopt;
    }
    // Each editor's record read again once, and locked again.
    const QList<QPointer<QObject>> &editors = editorWindows->editors();
    QSet<QString> expected;
    for (QObject *editor : editors)
        expected.insert(EditorWindows::formOf(editor)->property("id").toString());
    QSet<QString> read;
    const QList<QJsonObject> sent = program->sent(QStringLiteral("driver_trInfo")).mid(reads);
    for (const QJsonObject &request : sent)
        read.insert(request.value(QStringLiteral("id")).toVariant().toString());
    if (sent.size() != editors.size() || read != expected) {
        *failure = QStringLiteral("%1 editors, %2 reads of %3 of them after the reconnection")
                       .arg(editors.size())
                       .arg(sent.size())
                       .arg((read & expected).size());
        return std::nullopt;
    }
    if (!program->waitForSent(QStringLiteral("driver_trLock"), locks + editors.size(), timeLimit(10000))) {
        *failure = QStringLiteral("the editors' records were not locked again");
        return std::nullopt;
    }
    // What changed is drawn within moments, a fading overlay's half second included.
    if (!idleUntil([] { return windowsDrawing() == 0; }, 3000))
        done.leftDrawing = windowsDrawing();
    return done;
}

void Reconnect(benchmark::State &state)
{
    const int count = int(state.range(0));
    const auto fail = [&state](const QString &why) {
        failed = true;
        state.SkipWithError(qPrintable(why));
    };
    if (!editorWindows->openUpTo(count))
        return fail(QStringLiteral("the driver editors did not open read and locked"));
    QString failure;
    // The first with these editors open runs their handlers for the first time.
    std::optional<Reconnection> first = reconnect(&failure);
    if (!first)
        return fail(failure);
    int leftDrawing = first->leftDrawing;
    Cost total;
    for (auto _ : state) {
        const std::optional<Reconnection> done = reconnect(&failure);
        if (!done)
            return fail(failure);
        state.SetIterationTime(done->cost.seconds);
        total.seconds += done->cost.seconds;
        total.cpuSeconds += done->cost.cpuSeconds;
        leftDrawing = std::max(leftDrawing, done->leftDrawing);
    }
    const double runs = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    const Cost mean{total.seconds / runs, total.cpuSeconds / runs};
    costs[count] = mean;
    state.counters["ms"] = mean.seconds * 1e3;
    state.counters["cpu_ms"] = mean.cpuSeconds * 1e3;
    state.counters["windows_left_drawing"] = leftDrawing;
    // A page whose wait ended draws nothing more: no spinner goes on turning unseen.
    if (leftDrawing > 0) {
        std::fprintf(stderr,
                     "bench_reconnect: after a reconnection with %d editors open, %d windows still asked for "
                     "frames 3 s later\n",
                     count, leftDrawing);
        return fail(QStringLiteral("windows went on drawing after the reconnection"));
    }
    if (count == 0)
        return;
    state.counters["ms_per_editor"] = mean.seconds / count * 1e3;
    state.counters["cpu_ms_per_editor"] = mean.cpuSeconds / count * 1e3;
    if (count != mostEditors || !costs.count(anchorEditors) || !costs.count(0))
        return;
    const Cost anchor = costs.at(anchorEditors);
    const Cost base = costs.at(0);
    // Per-editor cost over the anchor's, above base.
    const auto ratio = [&](double ours, double anchor, double base) {
        return (ours - base) / count / ((anchor - base) / anchorEditors);
    };
    state.counters["x_anchor"] = ratio(mean.seconds, anchor.seconds, 0);
    state.counters["cpu_x_anchor"] = ratio(mean.cpuSeconds, anchor.cpuSeconds, 0);
    state.counters["net_x_anchor"] = ratio(mean.seconds, anchor.seconds, base.seconds);
    state.counters["cpu_net_x_anchor"] = ratio(mean.cpuSeconds, anchor.cpuSeconds, base.cpuSeconds);
    std::printf("Per-editor cost of a reconnection with %d editors over that with %d: wall x%.2f (above the bare "
                "reconnection x%.2f), GUI thread CPU x%.2f (x%.2f)\n",
                count, anchorEditors, state.counters["x_anchor"].value, state.counters["net_x_anchor"].value,
                state.counters["cpu_x_anchor"].value, state.counters["cpu_net_x_anchor"].value);
}

} // namespace

int main(int argc, char **argv)
{
    FleetBench::setPageDefaults("offscreen", KORIV_DBINIT, KORIV_SOURCE_DIR);
    const int iterations = EditorWindows::readOptions(&argc, argv, &anchorEditors, &mostEditors);
    pthread_getcpuclockid(pthread_self(), &guiCpuClock);
    QTemporaryDir home;
    FleetBench::useFolders(home.path());
    Startup::prepare();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        PageProgram state;
        program = &state;
        state.setThroughProxy(true);
        const QStringList seed = {
            EditorWindows::seedDrivers(mostEditors),
            QStringLiteral("INSERT INTO cities (name, dt_utc_insert, dt_utc_last_update) VALUES ('Lviv', 1000, 1000)")};
        const QString failure = state.start(QStringLiteral("reconnect"), {}, seed);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "bench_reconnect: %s\n", qPrintable(failure));
            return 1;
        }
        EditorWindows windows(&state, mostEditors);
        editorWindows = &windows;
        cityId = state.query(QStringLiteral("SELECT id FROM cities WHERE name = 'Lviv'")).toString();
        QObject::connect(Common::Network::instance(), &Common::Network::connectionState, &application,
                         [](bool connected) {
                             if (!connected)
                                 return;
                             cpuAtConnection = nanoseconds(guiCpuClock);
                             connectedAt = nanoseconds(CLOCK_MONOTONIC);
                         },
                         Qt::DirectConnection);
        benchmark::RegisterBenchmark("Reconnect", Reconnect)
            ->Arg(0)
            ->Arg(anchorEditors)
            ->Arg(mostEditors)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
        benchmark::RunSpecifiedBenchmarks();
        for (const QPointer<QObject> &editor : windows.editors()) {
            if (editor && editor->property("isDirty").toBool()) {
                std::fprintf(stderr, "bench_reconnect: an editor was left with edits\n");
                failed = true;
            }
        }
        const QString problems = state.problems();
        if (!problems.isEmpty()) {
            std::fprintf(stderr, "bench_reconnect: %s\n", qPrintable(problems));
            failed = true;
        }
        editorWindows = nullptr;
        program = nullptr;
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
