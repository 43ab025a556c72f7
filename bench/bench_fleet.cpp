// The program at a fleet's size, in this process, against the stand-in over PostgreSQL filled by
// tools/fleet/seed-fleet.py (N drivers, N/5 cars, 10*N balance-log rows). N comes from
// --drivers=N or KORIV_FLEET_DRIVERS (default 10,000); each measure repeats
// KORIV_FLEET_ITERATIONS times (default 5). Each measure runs beside its anchor:
//   SignIn: pressing OK to the loading window closing; anchor: a bare socket client asking the
//     same lists (the stand-in's and PostgreSQL's share).
//   OpenDriverTable: opening the driver table to its first rows drawn, their cells on screen
//     (the sign of each of the first three rows and the first row's last name in text items);
//     anchor: a plain QML ListView over the same rows, to the same cells, in a window of the same
//     size (the table's window opens at it as a size the operator left it at), its texts in the
//     font the table's cells are drawn in (read from the open table; the label names it). The
//     first open after sign-in is not timed (its QML is compiled), and is given as "first_ms".
//   FilterKeystroke: one letter typed into the table's filter to the frame that shows the rows
//     left; anchor: a QSortFilterProxyModel filtering the same rows by one column under the
//     ListView of the first rows.
//   Sort/<role>: a header click on a text, a number and a date column to the frame of the sorted
//     rows; anchor: a QSortFilterProxyModel sorting the same rows by that role.
//   PushReachesTable: another operator's change of a driver, from the server's push to the frame
//     that shows it; anchor: the same incremental list asked over a bare socket.
//   OpenDriverEditor: a driver editor with every tab visited, to the last tab's page made (no
//     anchor: the time alone).
//   PeakMemory: the process's peak resident memory after the sign-in and at the end.
// Offscreen, software renderer. Counters: "ms" and "ms_anchor" per run, "x_anchor" ours over the
// anchor's, and "goal_x" where a measure has a goal for that ratio (sign-in 1.1, first rows 3);
// the label of a measure beside the ListView names the font both draw their texts in. A side's
// clock stops at the swap of the first frame rendered with its rows on screen. Beside the
// ListView each run times both sides twice: settled, each side started once what the other left
// running has finished, its garbage in the QML engine collected too ("ms", "ms_anchor",
// "x_anchor"), and in the order the benchmark had before, the anchor right after ours
// ("ms_old_order", "ms_anchor_old_order", "x_anchor_old_order"). The program fails when a measure
// failed, QML warned or the anchor's texts are not in the table's cell font.
#include "benchmemory.h"
#include "editortabs.h"
#include "fleetbench.h"
#include "pageprogram.h"
#include "wireclient.h"

#include "startup/startup.h"
#include "shell/context.h"
#include "shell/global.h"

#include "client/controller/originalmodel.h"
#include "common/core/utils/utils.h"
#include "client/controller/proxymodel.h"
#include "controller/driver/driver.h"
#include "gui/core/context.h"
#include "gui/shell/guisession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>


namespace {

// Qt's own table view recycles its row delegates and can read a row item that is already gone
// while the timed runs sort and filter at full speed: a warning from Qt's file alone, not from a
// page, which the benchmark does not count as a fault of ours.
QString withoutTableRecycling(const QString &problems)
{
    QStringList kept;
    for (const QString &line : problems.split('\n', Qt::SkipEmptyParts)) {
        if (!(line.contains(QLatin1String("Private/BasicTableView.qml")) && line.contains(QLatin1String("activeFocus"))))
            kept.append(line);
    }
    return kept.join('\n');
}

} // namespace

namespace {

using Client::Controller::OriginalModel;
using Client::Controller::ProxyModel;
using FleetBench::drawFrame;

const QString DriverTableUrl = QStringLiteral("qrc:/qml/driver/driver/DriverTable.qml");
const QString DriverEditorUrl = QStringLiteral("qrc:/qml/driver/driver/DriverEditor.qml");
const QString AnchorUrl = QStringLiteral("file://" KORIV_BENCH_QML_DIR "/BenchDriverList.qml");
const QStringList EditorTabs{"carsTab", "balanceTab", "paymentsLogTab", "paidServicesTab", "sessionsTab", "photoTab"};

// The size of every window a measure draws in, the table's and its anchor's alike: the rows and
// columns on screen are the work drawn.
const QSize WindowSize(1100, 700);

// The bare client signs in as a user of its own: a second sign-in of the program's user would
// take the program's session.
const QString WireLogin = QStringLiteral("wire");
const QString WirePassword = QStringLiteral("wire");

int drivers = 10000;
int iterations = 5;
bool failed = false;

struct Fleet
{
    PageProgram program;
    double signInSeconds = 0;
    double wireSeconds = 0;
    double peakAfterSignInMiB = 0;
    double seedSeconds = 0;
    // The font the open table draws its cells in; the anchor draws its texts in it.
    QFont cellFont;
};
Fleet *fleet = nullptr;

OriginalModel *driverRows()
{
    return Context::global()->driver()->originalModel();
}

// Processes events until done() holds; false after timeoutMs.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void fail(benchmark::State &state, const char *why)
{
    failed = true;
    state.SkipWithError(why);
}

void report(benchmark::State &state, double ours, double anchor)
{
    const double runs = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["ms"] = ours / runs * 1e3;
    if (anchor > 0) {
        state.counters["ms_anchor"] = anchor / runs * 1e3;
        state.counters["x_anchor"] = ours / anchor;
    }
    state.counters["drivers"] = drivers;
}

// The seconds of a measure and of its anchor summed over the runs.
struct Sides
{
    double ours = 0;
    double anchor = 0;
};

// Both sides timed settled, and in the old order (the anchor right after ours).
struct BothOrders
{
    Sides settled;
    Sides oldOrder;
    int runs = 0;
};

// report() of a measure beside the ListView anchor, settled and in the old order, labelled with
// the font both draw their texts in.
void reportBesideList(benchmark::State &state, const BothOrders &times)
{
    report(state, times.settled.ours, times.settled.anchor);
    const double runs = double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["ms_old_order"] = times.oldOrder.ours / runs * 1e3;
    state.counters["ms_anchor_old_order"] = times.oldOrder.anchor / runs * 1e3;
    state.counters["x_anchor_old_order"] = times.oldOrder.ours / times.oldOrder.anchor;
    state.SetLabel(FleetBench::fontName(fleet->cellFont).toStdString());
}

// One run of a measure beside its anchor. ours() and anchor() each time one side (seconds, or a
// negative number when it failed); settle() finishes what the last side left running; undo()
// takes back what both did, untimed. Settled, each side starts after settle(); in the old order,
// the anchor starts right after ours. The two pairs take turns going first from one run to the
// next, so that neither is always the one that finds the other's work done before it (a sort
// key, a compiled binding). The settled time of ours is the iteration's. False when a side failed.
bool timeBothOrders(benchmark::State &state, BothOrders *times, const std::function<double()> &ours,
                    const std::function<double()> &anchor, const std::function<void()> &settle,
                    const std::function<void()> &undo)
{
    // Either pair starts once what came before it has finished.
    const auto settled = [&](Sides *sides) {
        settle();
        const double oursSeconds = ours();
        if (oursSeconds < 0)
            return false;
        settle();
        const double anchorSeconds = anchor();
        if (anchorSeconds < 0)
            return false;
        undo();
        *sides = {oursSeconds, anchorSeconds};
        return true;
    };
    const auto oldOrder = [&](Sides *sides) {
        settle();
        const double oursSeconds = ours();
        const double anchorSeconds = oursSeconds < 0 ? -1 : anchor();
        if (anchorSeconds < 0)
            return false;
        undo();
        *sides = {oursSeconds, anchorSeconds};
        return true;
    };
    Sides inTurn;
    Sides old;
    const bool settledFirst = times->runs++ % 2 == 0;
    if (settledFirst ? !settled(&inTurn) || !oldOrder(&old) : !oldOrder(&old) || !settled(&inTurn))
        return false;
    state.SetIterationTime(inTurn.ours);
    times->settled.ours += inTurn.ours;
    times->settled.anchor += inTurn.anchor;
    times->oldOrder.ours += old.ours;
    times->oldOrder.anchor += old.anchor;
    return true;
}

// The window that shows a page's frame; null before it has one.
QQuickWindow *windowOf(QObject *page)
{
    auto *item = qobject_cast<QQuickItem *>(page);
    if (item && item->window())
        return item->window();
    return page ? qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>()) : nullptr;
}

// Draws frames until one is swapped with the first rows of rows on screen as an operator reads
// them: the sign of each of the first three rows and the last name of the first, in text items. A
// table that shows rows without their cells does not pass. clock's reading at that swap, in
// seconds, or a negative number when no frame showed them.
double drawFirstRows(QQuickWindow *window, QAbstractItemModel *rows, const QElapsedTimer &clock)
{
    const int sign = driverRows()->roleNumber(QStringLiteral("sign"));
    const int lastName = driverRows()->roleNumber(QStringLiteral("last_name"));
    const std::optional<double> drawnAt = FleetBench::drawTexts(window, [&] {
        QStringList expected;
        for (int row = 0; row < qMin(3, rows->rowCount()); ++row)
            expected << rows->index(row, 0).data(sign).toString();
        if (!expected.isEmpty())
            expected << rows->index(0, 0).data(lastName).toString();
        return expected;
    }, clock);
    return drawnAt ? *drawnAt : -1;
}

// The sign of the first of rows, as a cell shows it.
QString firstSign(QAbstractItemModel *rows)
{
    return rows->index(0, 0).data(driverRows()->roleNumber(QStringLiteral("sign"))).toString();
}

// The open driver table and what the measures reach in it.
struct TablePage
{
    QPointer<QObject> page;
    QQuickWindow *window = nullptr;
    QObject *view = nullptr;
    ProxyModel *proxy = nullptr;
    // Why it did not open, when it did not.
    const char *failure = "the driver table did not open";

    QObject *filterField() const
    {
        QObject *table = view->property("table").value<QObject *>();
        return table ? table->property("filterField").value<QObject *>() : nullptr;
    }
};

// The driver table's window opens at WindowSize, as a window the operator left at that size.
void keepTableWindowSize()
{
    Gui::GuiSession *session = Context::global()->guiSession();
    QVariantMap settings = session->frameSettings(DriverTableUrl);
    settings.insert(QStringLiteral("window"),
                    QVariantMap{{"width", WindowSize.width()}, {"height", WindowSize.height()}});
    session->setFrameSettings(DriverTableUrl, settings);
}

// Opens the driver table and waits for its first rows drawn; seconds, or a negative number.
double openTable(TablePage *table)
{
    keepTableWindowSize();
    QElapsedTimer clock;
    clock.start();
    table->page = fleet->program.openPage(DriverTableUrl);
    QObject *item = table->page.data();
    if (!item)
        return -1;
    table->view = table->page->property("tableView").value<QObject *>();
    table->proxy = qobject_cast<ProxyModel *>(table->view->property("model").value<QAbstractItemModel *>());
    if (!table->proxy || !waitUntil([&] { return windowOf(item) && table->proxy->rowCount() > 0; })) {
        table->failure = "the driver table showed no rows";
        return -1;
    }
    table->window = windowOf(item);
    const double seconds = drawFirstRows(table->window, table->proxy, clock);
    if (seconds < 0) {
        table->failure = "the driver table showed its rows without their cells";
        return -1;
    }
    const std::optional<QFont> font = FleetBench::drawnFont(table->window, firstSign(table->proxy));
    if (!font) {
        table->failure = "the driver table's first cell was not found";
        return -1;
    }
    fleet->cellFont = *font;
    if (table->window->size() != WindowSize) {
        table->failure = "the driver table's window is not of the anchor's size";
        return -1;
    }
    return seconds;
}

// The anchor's window: a plain ListView over rows, its texts in the table's cell font (a table
// opens before it).
struct AnchorView
{
    std::unique_ptr<QQuickView> view;
    // Why it did not open, when it did not.
    const char *failure = "the anchor did not show its rows";

    double open(QAbstractItemModel *rows)
    {
        QElapsedTimer clock;
        clock.start();
        view = std::make_unique<QQuickView>(Gui::Context::qmlEngine(), nullptr);
        view->setResizeMode(QQuickView::SizeRootObjectToView);
        view->resize(WindowSize);
        view->setInitialProperties({{"rows", QVariant::fromValue<QObject *>(rows)}, {"cellFont", fleet->cellFont}});
        view->setSource(QUrl(AnchorUrl));
        if (!view->rootObject())
            return -1;
        view->show();
        const double seconds = drawFirstRows(view.get(), rows, clock);
        if (seconds < 0 || view->size() != WindowSize)
            return -1;
        if (FleetBench::drawnFont(view.get(), firstSign(rows)) != fleet->cellFont) {
            failure = "the anchor's texts are not in the table's cell font";
            return -1;
        }
        return seconds;
    }
};

void SignIn(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(fleet->signInSeconds);
    report(state, fleet->signInSeconds, fleet->wireSeconds);
    state.counters["goal_x"] = 1.1;
    state.counters["seed_s"] = fleet->seedSeconds;
}

void OpenDriverTable(benchmark::State &state)
{
    // Both compile their components first.
    TablePage warm;
    AnchorView warmPlain;
    const double firstSeconds = openTable(&warm);
    if (firstSeconds < 0)
        return fail(state, warm.failure);
    if (warmPlain.open(driverRows()) < 0)
        return fail(state, warmPlain.failure);
    fleet->program.closePage(warm.page);
    warmPlain.view.reset();
    BothOrders times;
    for (auto _ : state) {
        // Each side opens alone when settled: the other's window is closed and gone.
        TablePage table;
        AnchorView plain;
        const char *failure = nullptr;
        const auto closeTable = [&] { fleet->program.closePage(table.page); };
        const bool timed = timeBothOrders(
            state, &times,
            [&] {
                const double seconds = openTable(&table);
                failure = table.failure;
                return seconds;
            },
            [&] {
                const double seconds = plain.open(driverRows());
                failure = plain.failure;
                return seconds;
            },
            [&] {
                closeTable();
                FleetBench::settle(Gui::Context::qmlEngine());
            },
            [&] {
                closeTable();
                plain.view.reset();
            });
        if (!timed)
            return fail(state, failure);
    }
    reportBesideList(state, times);
    state.counters["goal_x"] = 3.0;
    state.counters["window_width"] = WindowSize.width();
    state.counters["window_height"] = WindowSize.height();
    // The first open after sign-in, untimed above: its components are compiled and the columns
    // its filters read are taken from the rows.
    state.counters["first_ms"] = firstSeconds * 1e3;
}

// One letter typed into the open table's filter to the frame of the rows left, and taken back
// (untimed); the anchor filters the same rows by their last name.
void FilterKeystroke(benchmark::State &state)
{
    TablePage table;
    QSortFilterProxyModel sfpm;
    sfpm.setSourceModel(driverRows());
    sfpm.setFilterRole(driverRows()->roleNumber(QStringLiteral("last_name")));
    sfpm.setFilterCaseSensitivity(Qt::CaseInsensitive);
    AnchorView plain;
    if (openTable(&table) < 0)
        return fail(state, table.failure);
    if (plain.open(&sfpm) < 0)
        return fail(state, plain.failure);
    if (!table.filterField())
        return fail(state, "the table's filter did not open");
    BothOrders times;
    const int all = table.proxy->rowCount();
    const char *failure = nullptr;
    for (auto _ : state) {
        const bool timed = timeBothOrders(
            state, &times,
            [&] {
                QElapsedTimer clock;
                clock.start();
                table.filterField()->setProperty("text", QStringLiteral("k"));
                failure = "the filter did not narrow the rows";
                return table.proxy->rowCount() == all ? -1 : drawFirstRows(table.window, table.proxy, clock);
            },
            [&] {
                QElapsedTimer clock;
                clock.start();
                sfpm.setFilterFixedString(QStringLiteral("k"));
                failure = "the anchor did not show its filtered rows";
                return drawFirstRows(plain.view.get(), &sfpm, clock);
            },
            [&] { FleetBench::settle(Gui::Context::qmlEngine(), {table.window, plain.view.get()}); },
            [&] {
                table.filterField()->setProperty("text", QString());
                sfpm.setFilterFixedString(QString());
                drawFrame(table.window);
                drawFrame(plain.view.get());
            });
        if (!timed)
            return fail(state, failure);
    }
    reportBesideList(state, times);
    fleet->program.closePage(table.page);
}

// The index of the table's column showing role; -1 when none does.
int columnOf(QObject *view, const QString &role)
{
    const int count = view->property("columnCount").toInt();
    for (int i = 0; i < count; ++i) {
        QVariant column;
        QMetaObject::invokeMethod(view, "getColumn", Q_RETURN_ARG(QVariant, column), Q_ARG(QVariant, i));
        QObject *object = column.value<QObject *>();
        if (object && object->property("role").toString() == role)
            return i;
    }
    return -1;
}

// A click on the header of the role's column, in turn ascending and descending, to the frame of
// the sorted rows; the anchor sorts the same rows by that role.
void Sort(benchmark::State &state, const QString &role)
{
    TablePage table;
    QSortFilterProxyModel sfpm;
    sfpm.setSourceModel(driverRows());
    sfpm.setSortRole(driverRows()->roleNumber(role));
    AnchorView plain;
    if (openTable(&table) < 0)
        return fail(state, table.failure);
    if (plain.open(&sfpm) < 0)
        return fail(state, plain.failure);
    const int column = columnOf(table.view, role);
    if (column < 0)
        return fail(state, "the table has no such column");
    BothOrders times;
    Qt::SortOrder order = Qt::AscendingOrder;
    const char *failure = nullptr;
    for (auto _ : state) {
        const bool timed = timeBothOrders(
            state, &times,
            [&] {
                QElapsedTimer clock;
                clock.start();
                table.view->setProperty("sortIndicatorOrder", int(order));
                table.view->setProperty("sortIndicatorColumn", column);
                failure = "the header click did not sort";
                return table.proxy->sortedRole() != role ? -1 : drawFirstRows(table.window, table.proxy, clock);
            },
            [&] {
                QElapsedTimer clock;
                clock.start();
                sfpm.sort(0, order);
                failure = "the anchor did not show its sorted rows";
                return drawFirstRows(plain.view.get(), &sfpm, clock);
            },
            [&] { FleetBench::settle(Gui::Context::qmlEngine(), {table.window, plain.view.get()}); },
            // The next click sorts afresh: another column first.
            [&] {
                table.view->setProperty("sortIndicatorColumn", 0);
                sfpm.sort(-1);
                drawFrame(table.window);
                drawFrame(plain.view.get());
            });
        if (!timed)
            return fail(state, failure);
        // Then the other order.
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    reportBesideList(state, times);
    fleet->program.closePage(table.page);
}

// Another operator renames a driver (the row in PostgreSQL and the server's push, as an edit
// through the stand-in makes them) and the open table shows the new name.
void PushReachesTable(benchmark::State &state)
{
    TablePage table;
    WireClient wire;
    if (openTable(&table) < 0)
        return fail(state, table.failure);
    if (!wire.signIn(fleet->program.server().port(), WireLogin, WirePassword))
        return fail(state, "the bare client did not sign in");
    const QString id = driverRows()->data(0).value(QStringLiteral("id")).toString();
    double ours = 0;
    double anchor = 0;
    int run = 0;
    for (auto _ : state) {
        const QString name = QStringLiteral("Pushed %1").arg(++run);
        const qint64 newest = driverRows()->maxDtUtcLastUpdate();
        fleet->program.query(QStringLiteral("UPDATE drivers SET last_name = ?, dt_utc_last_update = ? WHERE id = ?"),
                             {name, newest + 1000, id});
        const QByteArray push = QJsonDocument(QJsonObject{{"FN", "driver_srUpdated"}, {"RECEIVER", "ALL"}, {"id", id}})
                                    .toJson(QJsonDocument::Compact);
        QElapsedTimer clock;
        clock.start();
        fleet->program.server().command(
            QStringLiteral("push-text %1 %2").arg(fleet->program.connection()).arg(QString::fromUtf8(push)));
        const int row = driverRows()->findId(id);
        if (!waitUntil([&] { return driverRows()->data(driverRows()->findId(id), QStringLiteral("last_name")) == name; })
            || row < 0 || !drawFrame(table.window))
            return fail(state, "the pushed change did not reach the table");
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        ours += seconds;
        const std::optional<double> plain =
            wire.loadList(QStringLiteral("driver"), {{"is_archived", "0"}, {"query_limit", "0"},
                                                     {"dt_utc_last_update", QString::number(newest + 1)}});
        if (!plain)
            return fail(state, "the bare client's list did not come");
        anchor += *plain;
    }
    report(state, ours, anchor);
    fleet->program.closePage(table.page);
}

// A driver editor opened and every tab it carries visited, to the last tab's page made.
void OpenDriverEditor(benchmark::State &state)
{
    const QString id = driverRows()->data(driverRows()->rowCount() / 2).value(QStringLiteral("id")).toString();
    double ours = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QPointer<QObject> editor = fleet->program.openPage(DriverEditorUrl, {{"state", "EDIT"}, {"id", id}});
        QObject *form = editor ? editor->property("form").value<QObject *>() : nullptr;
        if (!form || !waitUntil([&] { return !form->property("isBusy").toBool(); }))
            return fail(state, "the driver editor did not load its driver");
        for (const QString &tab : EditorTabs) {
            if (showEditorTab(editor, tab) && !waitUntil([&] { return editorTabPage(editor, tab) != nullptr; }))
                return fail(state, "an editor tab did not open");
        }
        if (!windowOf(editor) || !drawFrame(windowOf(editor)))
            return fail(state, "the driver editor was not drawn");
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        ours += seconds;
        fleet->program.closePage(editor);
    }
    report(state, ours, 0);
}

void PeakMemory(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(1e-6);
    state.counters["after_signin_MiB"] = fleet->peakAfterSignInMiB;
    state.counters["peak_MiB"] = Bench::peakMiB();
    state.counters["drivers"] = drivers;
}

void registerBenchmarks()
{
    const auto timed = [](benchmark::internal::Benchmark *b, int runs) {
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(runs);
    };
    timed(benchmark::RegisterBenchmark("SignIn", SignIn), 1);
    timed(benchmark::RegisterBenchmark("OpenDriverTable", OpenDriverTable), iterations);
    timed(benchmark::RegisterBenchmark("FilterKeystroke", FilterKeystroke), iterations);
    for (const char *role : {"last_name", "balance", "dt_utc_insert"}) {
        timed(benchmark::RegisterBenchmark((std::string("Sort/") + role).c_str(),
                                           [role](benchmark::State &state) { Sort(state, QString::fromLatin1(role)); }),
              iterations);
    }
    timed(benchmark::RegisterBenchmark("PushReachesTable", PushReachesTable), iterations);
    timed(benchmark::RegisterBenchmark("OpenDriverEditor", OpenDriverEditor), iterations);
    timed(benchmark::RegisterBenchmark("PeakMemory", PeakMemory), 1);
}

} // namespace

int main(int argc, char **argv)
{
    FleetBench::setPageDefaults("offscreen", KORIV_DBINIT, KORIV_SOURCE_DIR);
    FleetBench::readOptions(&argc, argv, &drivers, &iterations, "KORIV_FLEET_ITERATIONS");
    // The program's settings go to a folder of this run.
    QTemporaryDir home;
    FleetBench::useFolders(home.path());
    Startup::prepare();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        Fleet state;
        fleet = &state;
        QElapsedTimer clock;
        // The stand-in reports no message: this process would read an event per row.
        state.program.setServerArguments({QStringLiteral("--quiet")});
        state.program.setBeforeSignIn([&clock](const QProcessEnvironment &environment) {
            const QString failure = FleetBench::seedFleet(environment, drivers, &fleet->seedSeconds);
            Bench::resetPeakMemory();
            clock.start();
            return failure;
        });
        const QString failure = state.program.start(QStringLiteral("fleet"), {WireLogin + ':' + Utils().getPwdHash(WirePassword)});
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "bench_fleet: %s\n", qPrintable(failure));
            return 1;
        }
        state.signInSeconds = clock.nsecsElapsed() / 1e9;
        state.peakAfterSignInMiB = Bench::peakMiB();
        if (driverRows()->rowCount() < drivers * 9 / 10) {
            std::fprintf(stderr, "bench_fleet: %d drivers arrived of %d\n", driverRows()->rowCount(), drivers);
            return 1;
        }
        WireClient wire;
        QElapsedTimer wireClock;
        wireClock.start();
        if (!wire.signIn(state.program.server().port(), WireLogin, WirePassword)
            || !wire.loadFirstLists()) {
            std::fprintf(stderr, "bench_fleet: the bare client did not sign in\n");
            for (const QJsonObject &event : state.program.server().events()) {
                if (event.value("event") != QLatin1String("message") && event.value("event") != QLatin1String("sent"))
                    std::fprintf(stderr, "%s\n", QJsonDocument(event).toJson(QJsonDocument::Compact).constData());
            }
            return 1;
        }
        state.wireSeconds = wireClock.nsecsElapsed() / 1e9;

        registerBenchmarks();
        benchmark::RunSpecifiedBenchmarks();
        const QString problems = withoutTableRecycling(state.program.problems());
        if (!problems.isEmpty()) {
            std::fprintf(stderr, "bench_fleet: %s\n", qPrintable(problems));
            failed = true;
        }
        fleet = nullptr;
    }
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
