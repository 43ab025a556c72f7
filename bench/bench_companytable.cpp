// Opening the application's company table over 10,000 and 100,000 companies, and one keystroke
// of its text filter, beside Qt's plain ListView over a company list of its own in the same run.
// Both ask for their list as they open; the rows then come as the controllers take a full list
// (the list's start, every row into the model while the view waits, the list's end). Filling
// the model is the fixture's part and is not timed: an opening is the time from the page's
// creation to its first frame plus the time from the list's end to the frame that shows the
// rows. Offscreen, software renderer. Counters: "ms" per opening or keystroke, "ms_anchor" the
// ListView's, "x_anchor" ours over the ListView's.
#include "benchquick.h"

#include "controller/qmltypes.h"
#include "qmlengineharness.h"
#include "scriptednetwork.h"

#include "client/controller/itemcontroller.h"
#include "client/controller/originalmodel.h"
#include "client/controller/proxymodel.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using Client::Controller::ItemController;

const QString PageUrl = QStringLiteral("qrc:/qml/company/company/CompanyTable.qml");
const QString AnchorUrl = QStringLiteral("file://" KORIV_BENCH_QML_DIR "/BenchCompanyList.qml");
// The columns the page's text filter searches (its columns but the times), for the anchor too.
const QStringList SearchedColumns{"id", "rst_id_user_locked", "company_name", "balance", "lost_profit", "is_system"};

QVariantMap company(int i)
{
    static const QStringList names = {"Taxi", "Avto", "Lux", "Express", "Comfort", "Start"};
    return {{"id", QString::number(i)},
            {"company_name", QStringLiteral("%1 %2").arg(names.at(i % names.size())).arg(i)},
            {"balance", QString::number((i % 7 - 3) * 125.5, 'f', 2)},
            {"lost_profit", QString::number((i % 5) * 10.25, 'f', 2)},
            {"is_system", i == 2 ? "1" : "0"},
            {"rst_id_user_locked", "1"},
            {"dt_utc_insert", QString::number(1715600000000LL + i * 60000LL)},
            {"dt_utc_last_update", QString::number(1715680000000LL + i * 1000LL)}};
}

const std::vector<QVariantMap> &companies(int count)
{
    static std::vector<QVariantMap> rows;
    while (int(rows.size()) < count)
        rows.push_back(company(int(rows.size()) + 1));
    return rows;
}

// The engine as the shell gives it to pages, the application's types and a network with the
// read right on companies.
struct Bench
{
    Bench()
    {
        registerQmlTypes();
        network.grantRead(QStringLiteral("company"));
    }

    QmlEngineHarness harness;
    ScriptedNetwork network;
};

Bench &bench()
{
    static Bench instance;
    return instance;
}

bool waitForFrame(QQuickView *view)
{
    QEventLoop loop;
    QObject::connect(view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}

void answer(ItemController *controller, const QString &state)
{
    controller->handleMessage(QStringLiteral("saGetList"), {{"STATE", state},
                                                             {"RES", "10"},
                                                             {"RECEIVER", controller->objectNumber()}});
}

// A page open on its rows.
struct OpenPage
{
    std::unique_ptr<QQuickView> view;
    ItemController *controller = nullptr;
    double seconds = 0;

    QObject *root() const { return view->rootObject(); }
};

OpenPage open(const QString &url, int rows)
{
    OpenPage page;
    QElapsedTimer timer;
    timer.start();
    page.view = std::make_unique<QQuickView>(&bench().harness.engine(), nullptr);
    page.view->setResizeMode(QQuickView::SizeRootObjectToView);
    page.view->resize(1100, 700);
    page.view->setSource(QUrl(url));
    if (!page.view->rootObject())
        qFatal("%s did not load", qPrintable(url));
    page.view->show();
    if (!waitForFrame(page.view.get()))
        qFatal("%s never rendered", qPrintable(url));
    page.seconds = timer.nsecsElapsed() / 1e9;

    // The list as the controller takes it; the fixture's part.
    page.controller = qobject_cast<ItemController *>(page.root()->property("company").value<QObject *>());
    answer(page.controller, QStringLiteral("start"));
    Client::Controller::OriginalModel *model = page.controller->originalModel();
    const std::vector<QVariantMap> &all = companies(rows);
    for (int i = 0; i < rows; ++i)
        model->addRow(all[size_t(i)]);

    timer.restart();
    answer(page.controller, QStringLiteral("end"));
    if (!waitForFrame(page.view.get()))
        qFatal("%s never showed its rows", qPrintable(url));
    page.seconds += timer.nsecsElapsed() / 1e9;
    if (page.controller->proxyModel()->rowCount() != rows)
        qFatal("%s shows %d rows of %d", qPrintable(url), page.controller->proxyModel()->rowCount(), rows);
    return page;
}

void close(OpenPage &page)
{
    page.view.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The page's text filter takes a typed character as the table does: the filter field's text.
QObject *filterField(const OpenPage &page)
{
    QObject *view = page.root()->property("tableView").value<QObject *>();
    QObject *table = view->property("table").value<QObject *>();
    return table->property("filterField").value<QObject *>();
}

double typeInPage(OpenPage &page, const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    filterField(page)->setProperty("text", text);
    waitForFrame(page.view.get());
    return timer.nsecsElapsed() / 1e9;
}

double typeInAnchor(OpenPage &page, const QString &text)
{
    QElapsedTimer timer;
    timer.start();
    page.controller->proxyModel()->setFilterPattern(text);
    waitForFrame(page.view.get());
    return timer.nsecsElapsed() / 1e9;
}

void openingCompanyTable(benchmark::State &state)
{
    const int rows = int(state.range(0));
    // Both compile their components first.
    OpenPage warmPage = open(PageUrl, 10);
    close(warmPage);
    OpenPage warmAnchor = open(AnchorUrl, 10);
    close(warmAnchor);
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        OpenPage page = open(PageUrl, rows);
        state.SetIterationTime(page.seconds);
        ours += page.seconds;
        close(page);
        OpenPage list = open(AnchorUrl, rows);
        anchor += list.seconds;
        close(list);
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
}

// One character typed into the filter of an open page, then taken back (untimed).
void filterKeystroke(benchmark::State &state)
{
    const int rows = int(state.range(0));
    OpenPage page = open(PageUrl, rows);
    OpenPage list = open(AnchorUrl, rows);
    list.controller->proxyModel()->setFilterFields(SearchedColumns);
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double seconds = typeInPage(page, QStringLiteral("7"));
        state.SetIterationTime(seconds);
        ours += seconds;
        anchor += typeInAnchor(list, QStringLiteral("7"));
        if (page.controller->proxyModel()->rowCount() != list.controller->proxyModel()->rowCount())
            state.SkipWithError("the page and the anchor filter differently");
        typeInPage(page, QString());
        typeInAnchor(list, QString());
    }
    QuickBench::reportAgainstAnchor(state, ours, anchor);
    close(page);
    close(list);
}

} // namespace

BENCHMARK(openingCompanyTable)->Unit(benchmark::kMillisecond)->UseManualTime()->Arg(10000)->Arg(100000)->Iterations(5);
BENCHMARK(filterKeystroke)->Unit(benchmark::kMillisecond)->UseManualTime()->Arg(10000)->Arg(100000)->Iterations(10);

int main(int argc, char **argv)
{
    return QuickBench::run(argc, argv);
}
