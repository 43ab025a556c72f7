// Opening and scrolling the kit's list page over 10,000 drivers, beside Qt's plain ListView over
// the same rows as the anchor: the time to the first frame of a newly opened page, and the time
// of a frame while scrolling (from the start of the frame to its swap, so the platform's update
// timer does not count); and of a frame while scrolling the page across, narrower than its
// columns, where cells change columns (no anchor: the ListView has no columns). Offscreen, software renderer. Counters: "ms" per page or frame and
// "x_anchor", ours over the ListView's; "cold_ms" is the very first opening of each, which also
// compiles the pages' components (the rows are filled before it, as a controller takes a list).
#include "benchquick.h"

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

std::unique_ptr<QQuickView> newView(int width = 1100)
{
    auto view = std::make_unique<QQuickView>(&pages().harness.engine(), nullptr);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->setInitialProperties({{"controller", QVariant::fromValue<QObject *>(&pages().drivers)}});
    view->resize(width, 700);
    return view;
}

// Seconds from the start of a page's creation to its first frame.
double openPage(const char *file)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QQuickView> view = newView();
    view->setSource(pageUrl(file));
    view->show();
    if (!waitFor(view.get(), SIGNAL(frameSwapped())))
        qFatal("%s never rendered", file);
    const double seconds = timer.nsecsElapsed() / 1e9;
    view.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seconds;
}

// An open page and the flickable that scrolls its rows.
struct OpenPage
{
    explicit OpenPage(const char *file, int width = 1100)
        : view(newView(width))
    {
        view->setSource(pageUrl(file));
        view->show();
        waitFor(view.get(), SIGNAL(frameSwapped()));
        QObject *rows = view->rootObject()->property("view").value<QObject *>();
        QVariant inner = rows->property("flickableItem");
        flickable = inner.isValid() ? inner.value<QQuickItem *>() : qobject_cast<QQuickItem *>(rows);
        QObject::connect(view.get(), &QQuickWindow::afterAnimating, [this] { frame.start(); });
    }

    // Seconds of the frame that shows the rows 48 pixels further down (back to the top at the end).
    double scroll()
    {
        const qreal next = flickable->property("contentY").toReal() + 48;
        const qreal end = flickable->property("contentHeight").toReal() - flickable->height();
        flickable->setProperty("contentY", next > end ? 0.0 : next);
        waitFor(view.get(), SIGNAL(frameSwapped()));
        return frame.nsecsElapsed() / 1e9;
    }

    // Seconds of the frame that shows the columns 20 pixels further left (back to the right end
    // at the left one).
    double scrollLeft()
    {
        const qreal next = flickable->property("contentX").toReal() - 20;
        const qreal end = flickable->property("contentWidth").toReal() - flickable->width();
        flickable->setProperty("contentX", next < 0 ? end : next);
        waitFor(view.get(), SIGNAL(frameSwapped()));
        return frame.nsecsElapsed() / 1e9;
    }

    std::unique_ptr<QQuickView> view;
    QQuickItem *flickable = nullptr;
    QElapsedTimer frame;
};

void openingTablePage(benchmark::State &state)
{
    // The rows are the fixture's: filled before the first page opens.
    pages();
    const double coldOurs = openPage("BenchTable.qml");
    const double coldAnchor = openPage("BenchList.qml");
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double seconds = openPage("BenchTable.qml");
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += openPage("BenchList.qml");
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
    state.counters["cold_ms"] = coldOurs * 1e3;
    state.counters["cold_ms_anchor"] = coldAnchor * 1e3;
}

void scrollingTablePage(benchmark::State &state)
{
    OpenPage table("BenchTable.qml");
    OpenPage list("BenchList.qml");
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double seconds = table.scroll();
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += list.scroll();
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
}

void scrollingAcrossTablePage(benchmark::State &state)
{
    OpenPage table("BenchTable.qml", 420);
    double ours = 0;
    for (auto _ : state) {
        const double seconds = table.scrollLeft();
        state.SetIterationTime(seconds);
        ours += seconds;
    }
    state.counters["ms"] = ours * 1e3 / state.iterations();
}

} // namespace

BENCHMARK(openingTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(scrollingTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);
BENCHMARK(scrollingAcrossTablePage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);

int main(int argc, char **argv)
{
    return QuickBench::run(argc, argv);
}
