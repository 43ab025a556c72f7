// The operator's journey at a fleet's size, in a real window (Xvfb, the xcb platform): the
// program signed in through its dialog to the stand-in over PostgreSQL filled by
// tools/fleet/seed-fleet.py (N drivers from --drivers=N or KORIV_FLEET_DRIVERS, default 10,000),
// then every page entry and report frame as the journey test goes through them, each step timed:
//   SignIn: OK clicked in the dialog to the loading window closing;
//   Open/<entry>: its menu command or tool bar button clicked to its list (or record) shown, idle
//     and drawn; repeated --iterations=N times (KORIV_JOURNEY_ITERATIONS, default 1);
//   FilterKeystroke: one letter typed into the driver table's filter to the rows left drawn;
//   Editor/<entry>/open, /change, /save: the Edit button clicked to the record shown; one field
//     typed or clicked; OK clicked to the editor closed (PostgreSQL then holds the value);
//   Report/<command>/open, /inputs, /run: the frame's command to the frame shown; its owners and
//     choices picked (the owner chooser's first row, or the owners the server finds for the
//     period); Create clicked to the workbooks written (then read with openpyxl);
//   PeakMemory: this process's and the stand-in's peak resident memory.
// Goals beside each figure: a step after the sign-in within 2 s, the keystroke within 100 ms; a
// missed goal prints MISSED. The program fails when a step failed or QML warned.
#include "benchmemory.h"
#include "fleetbench.h"
#include "journeyrows.h"
#include "journeysteps.h"
#include "pagecontrols.h"
#include "pageprogram.h"
#include "timelimit.h"
#include "windowdriver.h"

#include "startup/startup.h"

#include "client/utils/desktoputils.h"
#include "gui/core/context.h"
#include "gui/report/abstractreport.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <numeric>

namespace {

constexpr double StepGoalMs = 2000;
constexpr double KeystrokeGoalMs = 100;
constexpr char FilterLetter = 'k';

int drivers = 10000;
int iterations = 1;

// One timed step: its runs in ms, its goal (0: none) and what stopped it.
struct Step
{
    QString name;
    QVector<double> ms;
    double goalMs = StepGoalMs;
    QString failure;

    double mean() const { return ms.isEmpty() ? 0 : std::accumulate(ms.begin(), ms.end(), 0.0) / ms.size(); }
    bool met() const { return goalMs <= 0 || mean() <= goalMs; }
};

struct Memory
{
    double clientAfterSignIn = 0;
    double standinAfterSignIn = 0;
    double clientPeak = 0;
    double standinPeak = 0;
};

double msSince(qint64 startNs)
{
    return (WindowDriver::clockNs() - startNs) / 1e6;
}

double msSinceClick()
{
    return msSince(WindowDriver::lastClickNs());
}

QQuickWindow *quickWindowOf(QObject *page)
{
    auto *item = qobject_cast<QQuickItem *>(page);
    if (item && item->window())
        return item->window();
    return page ? qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>()) : nullptr;
}

// A page shown on screen: its next frame drawn.
QString drawn(QObject *page)
{
    QQuickWindow *window = quickWindowOf(page);
    if (!window)
        return QString();
    return FleetBench::drawFrame(window) ? QString() : QStringLiteral("the page was not drawn");
}

// The journey over the fleet, step by step, each step's figures kept in order.
class FleetJourney
{
public:
    explicit FleetJourney(PageProgram &program)
        : m_program(program)
        , m_steps(program, 120000)
    {
    }

    // A deque: a step's reference stays good while later steps are added.
    std::deque<Step> steps;

    void addSignIn(double ms)
    {
        steps.push_back({QStringLiteral("SignIn"), {ms}, 0, QString()});
    }

    void entry(const JourneyRow &row);
    void report(const QString &command);
    // Unexpected QML messages and boxes since the last call count as the step's failure.
    void checkProblems(const QString &after);

private:
    Step &begin(const QString &name, double goalMs = StepGoalMs)
    {
        steps.push_back({name, {}, goalMs, QString()});
        return steps.back();
    }
    // Keeps a failure for the step; true when there was none.
    bool ok(Step &step, const QString &failure)
    {
        if (!failure.isEmpty() && step.failure.isEmpty()) {
            step.failure = failure;
            std::fprintf(stderr, "bench_journey: %s: %s\n", qPrintable(step.name), qPrintable(failure));
        }
        return failure.isEmpty();
    }
    bool openEntry(const JourneyRow &row, QPointer<QObject> *page);
    void filterKeystroke(QObject *table);
    void editor(QObject *page, const JourneyRow &row);
    void newRecord(QObject *page, const JourneyRow &row);
    // One field changed (timed from the change) and the record saved (timed from OK), then what
    // the database holds checked.
    void changeAndSave(QObject *form, const JourneyRow &row, const std::function<QString()> &change,
                       const std::function<QString()> &check);

    PageProgram &m_program;
    JourneySteps m_steps;
};

void FleetJourney::checkProblems(const QString &after)
{
    const QString problems = m_program.problems();
    if (problems.isEmpty())
        return;
    Step &step = steps.empty() || !steps.back().failure.isEmpty() ? begin(after + QStringLiteral("/warnings"), 0)
                                                                  : steps.back();
    ok(step, problems);
}

// Opens the entry --iterations times, each to its list shown and drawn; the last stays open.
bool FleetJourney::openEntry(const JourneyRow &row, QPointer<QObject> *page)
{
    Step &step = begin(QStringLiteral("Open/") + row.command);
    for (int run = 0; run < iterations; ++run) {
        if (run > 0 && !m_program.closePage(*page))
            return ok(step, QStringLiteral("the page did not close"));
        QString failure = m_steps.open(row, page);
        if (failure.isEmpty())
            failure = m_steps.waitShown(*page, row);
        if (failure.isEmpty())
            failure = drawn(*page);
        if (!ok(step, failure))
            return false;
        step.ms.append(msSinceClick());
    }
    return true;
}

void FleetJourney::entry(const JourneyRow &row)
{
    QPointer<QObject> page;
    if (openEntry(row, &page)) {
        if (row.command == QLatin1String("drivers"))
            filterKeystroke(page);
        if (!row.editorUrl.isEmpty())
            editor(page, row);
        if (!row.newField.isEmpty())
            newRecord(page, row);
    }
    checkProblems(QStringLiteral("Open/") + row.command);
    m_steps.closeAllFrames();
}

// The filter row opened with its button, then one letter typed through the window to the rows
// left drawn, and taken back with Backspace (untimed).
void FleetJourney::filterKeystroke(QObject *table)
{
    Step &step = begin(QStringLiteral("FilterKeystroke"), KeystrokeGoalMs);
    QQuickItem *field = pageControl(table, "filterField");
    QAbstractItemModel *rows = JourneySteps::shownRows(table);
    if (!ok(step, field && rows ? WindowDriver::clickItem(pageControl(table, "showFilterButton"))
                                : QStringLiteral("the table has no filter field")))
        return;
    if (!ok(step, QTest::qWaitFor([field] { return field->hasActiveFocus(); }, timeLimit(5000))
                      ? QString()
                      : QStringLiteral("the filter field took no focus")))
        return;
    QQuickWindow *window = field->window();
    const int all = rows->rowCount();
    for (int run = 0; run < iterations; ++run) {
        const qint64 start = WindowDriver::clockNs();
        QTest::keyClick(window, FilterLetter);
        if (!ok(step, QTest::qWaitFor([&] { return rows->rowCount() < all; }, timeLimit(60000))
                          ? drawn(table)
                          : QStringLiteral("the letter did not narrow the rows")))
            return;
        step.ms.append(msSince(start));
        QTest::keyClick(window, Qt::Key_Backspace);
        if (!ok(step, QTest::qWaitFor([&] { return rows->rowCount() == all; }, timeLimit(60000))
                          ? QString()
                          : QStringLiteral("Backspace did not bring the rows back")))
            return;
    }
}

void FleetJourney::editor(QObject *page, const JourneyRow &row)
{
    const QString id = m_steps.recordId(row);
    QPointer<QObject> editor = page;
    if (!row.isEditorPage()) {
        Step &opened = begin(QStringLiteral("Editor/") + row.command + QStringLiteral("/open"));
        // Untimed: a record of today's moved into the period shown once the day it was made ended.
        QString failure = m_steps.keepRecordShown(page, row);
        if (failure.isEmpty())
            failure = m_steps.openRecord(page, id, &editor);
        if (failure.isEmpty())
            failure = drawn(editor);
        if (!ok(opened, failure))
            return;
        opened.ms.append(msSinceClick());
    }
    if (!savableEditor(row.editorUrl)) {
        m_steps.closeEditor(editor);
        return;
    }
    changeAndSave(editor, row, [&] { return m_steps.changeField(editor, row); },
                  [&] { return m_steps.checkStored(row, id); });
}

void FleetJourney::newRecord(QObject *page, const JourneyRow &row)
{
    changeAndSave(page, row, [&] { return m_steps.typeNew(page, row); }, [&] { return m_steps.checkNew(row); });
}

void FleetJourney::changeAndSave(QObject *form, const JourneyRow &row, const std::function<QString()> &change,
                                 const std::function<QString()> &check)
{
    Step &changed = begin(QStringLiteral("Editor/") + row.command + QStringLiteral("/change"));
    const qint64 start = WindowDriver::clockNs();
    if (!ok(changed, change()))
        return;
    changed.ms.append(msSince(start));
    Step &saved = begin(QStringLiteral("Editor/") + row.command + QStringLiteral("/save"));
    if (!ok(saved, m_steps.save(form)))
        return;
    saved.ms.append(msSinceClick());
    ok(saved, check());
}

void FleetJourney::report(const QString &command)
{
    Step &opened = begin(QStringLiteral("Report/") + command + QStringLiteral("/open"));
    QPointer<Gui::Report::AbstractReport> frame;
    if (ok(opened, m_steps.openReport(command, &frame))) {
        opened.ms.append(msSinceClick());
        // The owners and choices, from the first click to the last one's answer.
        Step &inputs = begin(QStringLiteral("Report/") + command + QStringLiteral("/inputs"));
        const qint64 start = WindowDriver::clockNs();
        if (ok(inputs, m_steps.chooseReportInputs(frame))) {
            inputs.ms.append(msSince(start));
            Step &run = begin(QStringLiteral("Report/") + command + QStringLiteral("/run"));
            if (ok(run, m_steps.runReport(frame))) {
                run.ms.append(msSinceClick());
                ok(run, m_steps.readWorkbooks(frame));
            }
        }
    }
    checkProblems(QStringLiteral("Report/") + command);
    m_steps.closeAllFrames();
}

// The recorded steps as benchmarks: each run's time as an iteration, the goal beside it.
void registerSteps(const std::deque<Step> &steps, const Memory &memory)
{
    for (const Step &step : steps) {
        auto *b = benchmark::RegisterBenchmark(qPrintable(step.name), [step](benchmark::State &state) {
            if (!step.failure.isEmpty()) {
                state.SkipWithError(qPrintable(step.failure));
                for (auto _ : state) {
                }
                return;
            }
            int run = 0;
            for (auto _ : state)
                state.SetIterationTime(step.ms.at(run++) / 1e3);
            state.counters["ms"] = step.mean();
            state.counters["goal_ms"] = step.goalMs;
            state.counters["met"] = step.met() ? 1 : 0;
            state.counters["drivers"] = drivers;
        });
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(qMax(1, step.ms.size()));
    }
    auto *b = benchmark::RegisterBenchmark("PeakMemory", [memory](benchmark::State &state) {
        for (auto _ : state)
            state.SetIterationTime(1e-6);
        state.counters["client_after_signin_MiB"] = memory.clientAfterSignIn;
        state.counters["client_peak_MiB"] = memory.clientPeak;
        state.counters["standin_after_signin_MiB"] = memory.standinAfterSignIn;
        state.counters["standin_peak_MiB"] = memory.standinPeak;
        state.counters["drivers"] = drivers;
    });
    b->UseManualTime()->Iterations(1);
}

// Every figure beside its goal; a missed goal says MISSED, a failed step FAILED.
void printGoals(const std::deque<Step> &steps, const Memory &memory)
{
    std::printf("\n%-44s %10s %10s  %s   (%d drivers)\n", "step", "ms", "goal ms", "", drivers);
    for (const Step &step : steps) {
        const QByteArray goal = step.goalMs > 0 ? QByteArray::number(step.goalMs, 'f', 0) : QByteArray("-");
        const char *verdict = !step.failure.isEmpty() ? "FAILED" : step.goalMs <= 0 ? "" : step.met() ? "met" : "MISSED";
        std::printf("%-44s %10.1f %10s  %s\n", qPrintable(step.name), step.mean(), goal.constData(), verdict);
    }
    std::printf("%-44s client %.0f MiB after sign-in, %.0f MiB peak; stand-in %.0f MiB after sign-in, %.0f MiB peak\n",
                "PeakMemory", memory.clientAfterSignIn, memory.clientPeak, memory.standinAfterSignIn,
                memory.standinPeak);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    FleetBench::setPageDefaults("xcb", KORIV_DBINIT, KORIV_SOURCE_DIR);
    FleetBench::setDefault("KORIV_REPORT_TOOL", KORIV_REPORT_TOOL);
    FleetBench::readOptions(&argc, argv, &drivers, &iterations, "KORIV_JOURNEY_ITERATIONS");
    // The program's settings and workbooks go to folders of this run.
    QTemporaryDir home;
    FleetBench::useFolders(home.path());
    Startup::prepare();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "bench_journey: needs an X server (run it under xvfb-run)\n");
        return 1;
    }
    bool failed = false;
    {
        PageProgram program;
        FleetJourney journey(program);
        Memory memory;
        double seedSeconds = 0;
        qint64 signedInAt = 0;
        // The stand-in reports no message: this process would read an event per row.
        program.setServerArguments({QStringLiteral("--quiet")});
        program.setBeforeSignIn([&seedSeconds](const QProcessEnvironment &environment) {
            const QString failure = FleetBench::seedFleet(environment, drivers, &seedSeconds);
            Bench::resetPeakMemory();
            return failure;
        });
        QString signInFailure;
        program.setSignIn([&](Gui::Dialog::Login *dialog, const QString &password) {
            signInFailure = JourneySteps::signIn(dialog, password);
            signedInAt = WindowDriver::lastClickNs();
        });
        QString failure = program.start(QStringLiteral("journeybench"), {}, journeySeed());
        if (failure.isEmpty())
            failure = signInFailure;
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "bench_journey: %s\n", qPrintable(failure));
            return 1;
        }
        journey.addSignIn(msSince(signedInAt));
        std::fprintf(stderr, "bench_journey: %d drivers seeded in %.1f s, signed in in %.0f ms\n", drivers,
                     seedSeconds, journey.steps.back().mean());
        memory.clientAfterSignIn = Bench::peakMiB();
        memory.standinAfterSignIn = Bench::peakMiBOf(program.server().processId());
        journey.checkProblems(QStringLiteral("SignIn"));

        QMainWindow *window = JourneySteps::mainWindow();
        window->setGeometry(20, 20, 1400, 860);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window, timeLimit(5000))) {
            std::fprintf(stderr, "bench_journey: the main window did not become active\n");
            return 1;
        }
        QTemporaryDir workbooks;
        Gui::Context::desktopUtils()->setExportDir(workbooks.path());
        for (const JourneyRow &row : journeyRows()) {
            if (QFile::exists(QLatin1Char(':') + row.url.mid(4)))
                journey.entry(row);
        }
        for (const QString &command : reportCommands())
            journey.report(command);
        memory.clientPeak = Bench::peakMiB();
        memory.standinPeak = Bench::peakMiBOf(program.server().processId());

        registerSteps(journey.steps, memory);
        benchmark::RunSpecifiedBenchmarks();
        printGoals(journey.steps, memory);
        for (const Step &step : journey.steps)
            failed = failed || !step.failure.isEmpty();
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
