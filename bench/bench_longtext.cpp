// The driver editor over a driver whose last, first and middle name and phone are 2,000,000
// characters each, in the program signed in to the stand-in over PostgreSQL (needs the PG*
// variables of scripts/pg-tmp.sh). Each measure runs beside its anchor, the same on a driver of
// ordinary names, in the same run:
//   OpenLongTextEditor: opening the editor to its record loaded and drawn. Counters: "MiB" the
//     peak resident memory above the start of the open, "MiB_anchor" the same for the ordinary
//     driver, "above_anchor_MiB" their difference beside "goal_MiB" (100), "kept_MiB" what stays
//     resident after the long editor closed, "ms" and "x_anchor" for the time.
//   OpenLongNote/<case>: the same over a driver of ordinary names whose inner note holds
//     2,000,000 characters on one line without a space, 2,000,000 in 25,000 lines, or 200,000 on
//     one line.
//   PasteLongText: 1,200,000 characters pasted into the last name of an open editor, to the frame
//     that shows it; the anchor pastes a name. The same counters.
// Offscreen, software renderer. The program fails when a measure failed or QML warned.
#include "benchmemory.h"
#include "fleetbench.h"
#include "pageprogram.h"
#include "timelimit.h"

#include "startup/startup.h"

#include "gui/core/context.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using FleetBench::drawFrame;

const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");
const int LongLength = 2000000;
const int PastedLength = 1200000;
const double GoalMiB = 100;

PageProgram *program = nullptr;
QString ordinaryId;
bool failed = false;

// A driver of the long-text cases: the measure's name, the driver's sign, the field that holds
// the long text and its length.
struct LongDriver
{
    const char *name;
    const char *sign;
    const char *role;
    int length;
};

const LongDriver LongDrivers[] = {{"OpenLongTextEditor", "long", "last_name", LongLength},
                                  {"OpenLongNote/one_line", "note-line", "inner_note", LongLength},
                                  {"OpenLongNote/lines_25000", "note-lines", "inner_note", LongLength},
                                  {"OpenLongNote/one_line_200000", "note-line-200k", "inner_note", LongLength / 10}};

QString driverId(const LongDriver &driver)
{
    return program->query(QStringLiteral("SELECT id FROM drivers WHERE sign = ?"), {QString::fromLatin1(driver.sign)})
        .toString();
}

QStringList seed()
{
    const QString driver = QStringLiteral(
        "INSERT INTO drivers (sign, last_name, first_name, middle_name, phone, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('%1', %2, %3, %4, %5, 1000, 1000)");
    const auto repeated = [](const char *word) {
        return QStringLiteral("repeat('%1', %2)").arg(QLatin1String(word)).arg(LongLength / 10);
    };
    const QString note = QStringLiteral(
        "INSERT INTO drivers (sign, last_name, first_name, middle_name, phone, inner_note, dt_utc_insert,"
        " dt_utc_last_update) VALUES ('%1', 'Kovalenko', 'Oleksandr', 'Petrovych', '0501234567', %2, 1000, 1000)");
    // One line offers no place to wrap; lines of 80 characters with their line feeds.
    const QString lines = QStringLiteral("repeat(rpad('Note line', 79, ' text') || chr(10), %1)").arg(LongLength / 80);
    return {driver.arg("ordinary", "'Kovalenko'", "'Oleksandr'", "'Petrovych'", "'0501234567'"),
            driver.arg("long", repeated("Kovalenko "), repeated("Oleksandr "), repeated("Petrovych "),
                       repeated("0501234567")),
            note.arg("note-line", QStringLiteral("repeat('NoteText42', %1)").arg(LongLength / 10)),
            note.arg("note-lines", lines),
            note.arg("note-line-200k", QStringLiteral("repeat('NoteText42', %1)").arg(LongLength / 100))};
}

void fail(benchmark::State &state, const char *why)
{
    failed = true;
    state.SkipWithError(why);
}

// Processes events until done() holds; false after a minute (more under the sanitizers).
bool waitUntil(const std::function<bool()> &done)
{
    return QTest::qWaitFor(done, timeLimit(60000));
}

QQuickWindow *windowOf(QObject *page)
{
    return page ? qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>()) : nullptr;
}

// The resident size now, with the script engine's garbage collected and freed heap handed back.
double settledMiB()
{
    Gui::Context::qmlEngine()->collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return Bench::resetPeakMemory();
}

// Opens the driver editor on the record to its fields loaded and drawn; null when it did not.
QObject *openEditor(const QString &id)
{
    QPointer<QObject> editor = program->openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", id}});
    QObject *form = editor ? editor->property("form").value<QObject *>() : nullptr;
    if (!form || !waitUntil([&] {
            QQuickItem *sign = pageControl(editor, QStringLiteral("sign"));
            return !form->property("isBusy").toBool() && sign && !sign->property("legalText").toString().isEmpty();
        })
        || !windowOf(editor) || !drawFrame(windowOf(editor)))
        return nullptr;
    return editor;
}

struct Cost
{
    double seconds = 0;
    double peakMiB = 0;

    Cost &operator+=(const Cost &other)
    {
        seconds += other.seconds;
        peakMiB += other.peakMiB;
        return *this;
    }
};

// Time and peak resident memory above the start of an editor's open on the record.
Cost openCost(const QString &id, QPointer<QObject> *editor)
{
    const double start = settledMiB();
    QElapsedTimer clock;
    clock.start();
    *editor = openEditor(id);
    return {clock.nsecsElapsed() / 1e9, Bench::peakMiB() - start};
}

void report(benchmark::State &state, const Cost &ours, const Cost &anchor)
{
    const double runs = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["ms"] = ours.seconds / runs * 1e3;
    state.counters["ms_anchor"] = anchor.seconds / runs * 1e3;
    state.counters["x_anchor"] = anchor.seconds > 0 ? ours.seconds / anchor.seconds : 0;
    state.counters["MiB"] = ours.peakMiB / runs;
    state.counters["MiB_anchor"] = anchor.peakMiB / runs;
    state.counters["above_anchor_MiB"] = (ours.peakMiB - anchor.peakMiB) / runs;
    state.counters["goal_MiB"] = GoalMiB;
}

// Opens the editor on the driver beside the ordinary one, each run; the text must arrive whole and
// leave the editor clean.
void OpenLongTextEditor(benchmark::State &state, const LongDriver &driver)
{
    const QString longId = driverId(driver);
    const QString role = QString::fromLatin1(driver.role);
    // Both compile their components first.
    for (const QString &id : {ordinaryId, longId}) {
        QPointer<QObject> warm = openEditor(id);
        if (!warm)
            return fail(state, "the driver editor did not load its driver");
        program->closePage(warm);
    }
    Cost ours;
    Cost anchor;
    double kept = 0;
    for (auto _ : state) {
        QPointer<QObject> editor;
        const Cost plain = openCost(ordinaryId, &editor);
        if (!editor)
            return fail(state, "the driver editor did not load the ordinary driver");
        program->closePage(editor);
        const double before = settledMiB();
        const Cost cost = openCost(longId, &editor);
        if (!editor)
            return fail(state, "the driver editor did not load the long driver");
        if (pageControl(editor, role)->property("legalText").toString().size() != driver.length)
            return fail(state, "the long text did not arrive whole");
        if (editor->property("isDirty").toBool())
            return fail(state, "the editor opened dirty");
        program->closePage(editor);
        kept += settledMiB() - before;
        state.SetIterationTime(cost.seconds);
        ours += cost;
        anchor += plain;
    }
    report(state, ours, anchor);
    state.counters["kept_MiB"] = kept / double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["characters"] = driver.length;
}

// Pastes text over the whole, focused last name of the open editor; time and peak memory above the
// start, to the frame that shows it. The time is negative when the field did not take the paste
// (its start, as much as the field holds).
Cost pasteCost(QObject *editor, const QString &text)
{
    QQuickItem *field = pageControl(editor, QStringLiteral("last_name"));
    field->forceActiveFocus();
    QMetaObject::invokeMethod(field, "selectAll");
    QGuiApplication::clipboard()->setText(text);
    const double start = settledMiB();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(windowOf(editor), Qt::Key_V, Qt::ControlModifier);
    drawFrame(windowOf(editor));
    Cost cost{clock.nsecsElapsed() / 1e9, Bench::peakMiB() - start};
    const int held = field->property("maximumLength").toInt();
    if (field->property("text").toString() != text.left(held))
        cost.seconds = -1;
    field->setProperty("text", field->property("legalText"));
    return cost;
}

void PasteLongText(benchmark::State &state)
{
    QPointer<QObject> editor = openEditor(ordinaryId);
    if (!editor)
        return fail(state, "the driver editor did not load its driver");
    windowOf(editor)->requestActivate();
    const QString longText(PastedLength, QLatin1Char('k'));
    Cost ours;
    Cost anchor;
    for (auto _ : state) {
        const Cost plain = pasteCost(editor, QStringLiteral("Shevchenko"));
        const Cost cost = pasteCost(editor, longText);
        if (plain.seconds < 0 || cost.seconds < 0)
            return fail(state, "the last name did not take the paste");
        state.SetIterationTime(cost.seconds);
        ours += cost;
        anchor += plain;
    }
    report(state, ours, anchor);
    state.counters["characters"] = PastedLength;
    program->closePage(editor);
}

} // namespace

int main(int argc, char **argv)
{
    FleetBench::setPageDefaults("offscreen", KORIV_DBINIT, KORIV_SOURCE_DIR);
    QTemporaryDir home;
    FleetBench::useFolders(home.path());
    Startup::prepare();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        PageProgram state;
        program = &state;
        state.setServerArguments({QStringLiteral("--quiet")});
        const QString failure = state.start(QStringLiteral("longtext"), {}, seed());
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "bench_longtext: %s\n", qPrintable(failure));
            return 1;
        }
        ordinaryId = state.query(QStringLiteral("SELECT id FROM drivers WHERE sign = 'ordinary'")).toString();
        const auto timed = [](benchmark::internal::Benchmark *b, int runs) {
            b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(runs);
        };
        for (const LongDriver &driver : LongDrivers)
            timed(benchmark::RegisterBenchmark(driver.name, OpenLongTextEditor, driver), 3);
        timed(benchmark::RegisterBenchmark("PasteLongText", PasteLongText), 3);
        benchmark::RunSpecifiedBenchmarks();
        const QString problems = state.problems();
        if (!problems.isEmpty()) {
            std::fprintf(stderr, "bench_longtext: %s\n", qPrintable(problems));
            failed = true;
        }
        program = nullptr;
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
