// Opening and scrolling the kit's list page over 10,000 drivers, beside Qt's plain ListView over
// the same rows as the anchor, its texts in the font the page draws its cells in (read from a
// drawn cell; the label names it): the time to the first frame of a newly opened page that shows
// its first rows, each opening started once what the one before left running has finished; the
// time of a scroll step, from setting the scroll position through the bindings it sets off to the
// frame that shows it; and of a step while scrolling the page across, narrower than its columns,
// where cells change columns (no anchor: the ListView has no columns). The platform's update
// timer is set to 0, so that waiting for a frame adds nothing. Offscreen, software renderer.
// Counters: "ms" per page or step and "x_anchor", ours over the ListView's; "bindings_ms" the
// part of a step before its frame; "cold_ms" is the very first opening of each, which also
// compiles the pages' components (the rows are filled before it, as a controller takes a list).
#include "benchquick.h"
#include "fleetbench.h"

#include "kitcontrollers.h"
#include "kittypes.h"
#include "qmlengineharness.h"
#include "scriptednetwork.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

namespace {

constexpr int rowCount = 10000;

QVariantMap driver(int i)
{
    static const QStringList brands = {"Skoda", "Kia", "Renault", "Toyota", "Ford"};
    static const QStringList names = {"Shevchenko", "Kovalenko", "Bondarenko", "Tkachenko", "Kravchenko"};
    return {{"id", QString::number(i)}, {"sign", QStringLiteral("D%1").arg(100 + i)},
            {"last_name", names.at(i % names.size())}, {"phone", QStringLiteral("+38050%1").arg(1000000 + i)},
            {"brand_name", brands.at(i % brands.size())}, {"rating", QString::number(3 + (i % 20) / 10.0)},
            {"color_rgb_code", i % 2 ? "#c03030" : "#3050c0"}, {"is_archived", i % 3 ? "0" : "1"},
            {"rst_id_user_locked", "1"}, {"dt_utc_insert", QString::number(1715600000000LL + i * 60000LL)},
            {"dt_utc_last_update", QString::number(1715680000000LL + i * 1000LL)}};
}

// The engine with the shell's stand-ins, the network and one controller holding the rows.
struct Pages
{
    Pages()
    {
        registerKitTypes();
        net.grantRead(QStringLiteral("driver"));
        // As a controller takes a full list: the view waits for the rows and takes them sorted.
        auto *rows = drivers.originalModel();
        drivers.proxyModel()->deferRows();
        for (int i = 1; i <= rowCount; ++i)
            rows->addRow(driver(i));
        rows->setDataAtLeastLoaded(true);
        drivers.proxyModel()->sortRows(QStringLiteral("id"), Qt::AscendingOrder);
    }

    QmlEngineHarness harness;
    ScriptedNetwork net;
    KitDriver drivers;
};

Pages &pages()
{
    static Pages instance;
    return instance;
}

QUrl pageUrl(const char *file)
{
    return QUrl::fromLocalFile(QStringLiteral(KORIV_BENCH_QML_DIR "/") + QLatin1String(file));
}

bool waitFor(QObject *sender, const char *signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, SLOT(quit()));
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

const char *const TablePage = "BenchTable.qml";
const char *const AnchorPage = "BenchList.qml";

QFont cellFont();

// A window showing the page of file over the rows; the anchor's texts in the table's cell font.
std::unique_ptr<QQuickView> newView(const char *file, int width = 1100)
{
    auto view = std::make_unique<QQuickView>(&pages().harness.engine(), nullptr);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    QVariantMap properties{{"controller", QVariant::fromValue<QObject *>(&pages().drivers)}};
    if (qstrcmp(file, AnchorPage) == 0)
        properties.insert(QStringLiteral("cellFont"), cellFont());
    view->setInitialProperties(properties);
    view->resize(width, 700);
    view->setSource(pageUrl(file));
    return view;
}

// The font of the window's text item showing the first row's sign, once a frame shows it.
std::optional<QFont> firstCellFont(QQuickWindow *window)
{
    const QString sign = driver(1).value(QStringLiteral("sign")).toString();
    for (int frame = 0; frame < 20; ++frame) {
        if (const std::optional<QFont> font = FleetBench::drawnFont(window, sign))
            return font;
        FleetBench::drawFrame(window);
    }
    return std::nullopt;
}

// The font the table page draws its cells in.
QFont cellFont()
{
    static const QFont font = [] {
        std::unique_ptr<QQuickView> view = newView(TablePage);
        view->show();
        const std::optional<QFont> drawn = firstCellFont(view.get());
        if (!drawn)
            qFatal("the table page showed no first row");
        return *drawn;
    }();
    return font;
}

// Seconds from the start of a page's creation to the first frame that shows its first row, once
// what the page before left running has finished.
double openPage(const char *file)
{
    FleetBench::settle(&pages().harness.engine());
    const QString sign = driver(1).value(QStringLiteral("sign")).toString();
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QQuickView> view = newView(file);
    view->show();
    const std::optional<double> seconds = FleetBench::drawTexts(view.get(), [&] { return QStringList{sign}; }, timer);
    if (!seconds)
        qFatal("%s never showed its first row", file);
    // Like for like: the anchor's texts are drawn in the table's cell font.
    if (qstrcmp(file, AnchorPage) == 0 && firstCellFont(view.get()) != cellFont())
        qFatal("the anchor's texts are not in the table's cell font");
    view.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return *seconds;
}

// An open page and the flickable that scrolls its rows.
struct OpenPage
{
    explicit OpenPage(const char *file, int width = 1100)
        : view(newView(file, width))
    {
        view->show();
        waitFor(view.get(), SIGNAL(frameSwapped()));
        QObject *rows = view->rootObject()->property("view").value<QObject *>();
        QVariant inner = rows->property("flickableItem");
        flickable = inner.isValid() ? inner.value<QQuickItem *>() : qobject_cast<QQuickItem *>(rows);
    }

    // Seconds of the step that shows the rows 48 pixels further down (back to the top at the end).
    double scroll()
    {
        const qreal next = flickable->property("contentY").toReal() + 48;
        const qreal end = flickable->property("contentHeight").toReal() - flickable->height();
        return step("contentY", next > end ? 0.0 : next);
    }

    // Seconds of the step that shows the columns 20 pixels further left (back to the right end
    // at the left one).
    double scrollLeft()
    {
        const qreal next = flickable->property("contentX").toReal() - 20;
        const qreal end = flickable->property("contentWidth").toReal() - flickable->width();
        return step("contentX", next < 0 ? end : next);
    }

    // Seconds from setting the flickable's position to the frame that shows it: the bindings the
    // position sets off (added to bindingSeconds), then the frame's polish, rendering and swap.
    double step(const char *position, qreal value)
    {
        QElapsedTimer clock;
        clock.start();
        flickable->setProperty(position, value);
        bindingSeconds += clock.nsecsElapsed() / 1e9;
        if (!waitFor(view.get(), SIGNAL(frameSwapped())))
            qFatal("a scroll step was not drawn");
        return clock.nsecsElapsed() / 1e9;
    }

    std::unique_ptr<QQuickView> view;
    QQuickItem *flickable = nullptr;
    double bindingSeconds = 0;
};

// The label of the measures beside the ListView: the font both draw their texts in.
void labelFont(benchmark::State &state)
{
    state.SetLabel(FleetBench::fontName(cellFont()).toStdString());
}

void openingTablePage(benchmark::State &state)
{
    // The rows are the fixture's: filled before the first page opens.
    pages();
    const double coldOurs = openPage(TablePage);
    // Read before the anchor's first opening, which must not count a table page.
    cellFont();
    const double coldAnchor = openPage(AnchorPage);
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double seconds = openPage(TablePage);
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += openPage(AnchorPage);
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
    labelFont(state);
    state.counters["cold_ms"] = coldOurs * 1e3;
    state.counters["cold_ms_anchor"] = coldAnchor * 1e3;
}

void scrollingTablePage(benchmark::State &state)
{
    OpenPage table(TablePage);
    OpenPage list(AnchorPage);
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double seconds = table.scroll();
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += list.scroll();
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
    labelFont(state);
    state.counters["bindings_ms"] = table.bindingSeconds * 1e3 / state.iterations();
    state.counters["bindings_ms_anchor"] = list.bindingSeconds * 1e3 / state.iterations();
}

void scrollingAcrossTablePage(benchmark::State &state)
{
    OpenPage table(TablePage, 420);
    double ours = 0;
    for (auto _ : state) {
        const double seconds = table.scrollLeft();
        state.SetIterationTime(seconds);
        ours += seconds;
    }
    state.counters["ms"] = ours * 1e3 / state.iterations();
    state.counters["bindings_ms"] = table.bindingSeconds * 1e3 / state.iterations();
}

} // namespace

BENCHMARK(openingTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(scrollingTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);
BENCHMARK(scrollingAcrossTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);

int main(int argc, char **argv)
{
    // A frame asked for is drawn at once: a step's time is its work, not the platform's wait.
    FleetBench::setDefault("QT_QPA_UPDATE_IDLE_TIME", "0");
    return QuickBench::run(argc, argv);
}
