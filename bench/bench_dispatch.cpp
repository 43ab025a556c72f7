// Handing a list of 10,000 rows from the network to the registered controllers: C controllers
// are registered, k of them under the rows' protocol name, and the page of one of them adds its
// rows to its list model, which its proxy model shows at the list's end. Delivery should cost
// the k receivers of each row, not the C registered.
// hookedRows: rows of 80 keys, each leaving the network as a map of its own (as parsed), whose
// row hook writes one key (as the driver's status text does); anchor: the same rows under a hook
// that only reads that key. The written rows should cost no copy of the row.
#include "client/controller/itemcontroller.h"
#include "client/net/apinetwork.h"
#include "model/base/abstractmodel.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

using Client::Controller::ItemController;

namespace {

class RowCatalogue : public Model::AbstractModel
{
public:
    RowCatalogue()
    {
        declareColumn(QStringLiteral("name"), Model::SQL_TEXT, true, QVariant(), QStringLiteral("Name"));
    }
    QString tableName() const override { return QStringLiteral("bench_dispatch"); }
};

class Controller : public ItemController
{
public:
    explicit Controller(const QString &name)
        : m_name(name)
    {
        useOwnModel<RowCatalogue>();
    }
    QString name() const override { return m_name; }

private:
    QString m_name;
};

// A controller whose row hook writes the text of a row's status, or only reads the status.
class HookedController : public Controller
{
public:
    HookedController(bool writes)
        : Controller(QStringLiteral("hooked"))
        , m_writes(writes)
    {
    }
    void prepareRow(QVariantMap &row) override
    {
        const QVariant status = row.value(QStringLiteral("status"));
        if (m_writes)
            row.insert(QStringLiteral("status_string"), status.toString() + QStringLiteral(" text"));
        else
            m_read += status.toString().size();
    }

private:
    bool m_writes;
    int m_read = 0;
};

constexpr int rowCount = 10000;

void dispatch(benchmark::State &state)
{
    const int registered = int(state.range(0));
    const int receivers = int(state.range(1));
    Client::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    std::vector<std::unique_ptr<Controller>> controllers;
    for (int i = 0; i < registered; ++i)
        controllers.push_back(std::make_unique<Controller>(i < receivers ? QStringLiteral("rows")
                                                                         : QStringLiteral("other%1").arg(i)));
    Controller *page = controllers.front().get();
    for (auto &controller : controllers) {
        Controller *c = controller.get();
        QObject::connect(c, &ItemController::saListInfo, c, [c](const QVariantMap &row) {
            if (row.value(QStringLiteral("RECEIVER")).toString() == c->objectNumber())
                c->originalModel()->addRow(row);
        });
    }
    std::vector<QVariantMap> rows;
    for (int i = 0; i < rowCount; ++i) {
        rows.push_back({{QStringLiteral("id"), QString::number(rowCount - i)},
                        {QStringLiteral("name"), QStringLiteral("row %1").arg(i)},
                        {QStringLiteral("RECEIVER"), page->objectNumber()},
                        {QStringLiteral("FN"), QStringLiteral("rows_saListInfo")}});
    }
    const QVariantMap start{{QStringLiteral("STATE"), QStringLiteral("start")},
                            {QStringLiteral("RECEIVER"), page->objectNumber()}};
    const QVariantMap end{{QStringLiteral("STATE"), QStringLiteral("end")},
                          {QStringLiteral("RECEIVER"), page->objectNumber()}};
    for (auto _ : state) {
        network.dispatchMessage(QStringLiteral("rows"), QStringLiteral("saGetList"), start);
        for (const QVariantMap &row : rows)
            network.dispatchMessage(QStringLiteral("rows"), QStringLiteral("saListInfo"), row);
        network.dispatchMessage(QStringLiteral("rows"), QStringLiteral("saGetList"), end);
        QCoreApplication::processEvents();
        if (!page->originalModel()->dataAtLeastLoaded() || page->proxyModel()->rowCount() != rowCount)
            state.SkipWithError("list not shown");
        if (page->originalModel()->rowCount() != rowCount)
            state.SkipWithError("rows lost");
    }
    state.SetItemsProcessed(state.iterations() * rowCount);
    state.counters["deliveries_per_second"] =
        benchmark::Counter(double(state.iterations()) * rowCount * receivers, benchmark::Counter::kIsRate);
    controllers.clear();
    Common::AbstractController::setNetwork(nullptr);
}

// Seconds to deliver the rows, each handed over as a map of its own, to a controller whose page
// adds them to its list model.
double deliverOwnRows(bool writes, const std::vector<QVariantMap> &rows)
{
    Client::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    double seconds = 0;
    {
        HookedController controller(writes);
        QObject::connect(&controller, &ItemController::saListInfo, &controller,
                         [&controller](const QVariantMap &row) { controller.originalModel()->addRow(row); });
        std::vector<QVariantMap> own;
        own.reserve(rows.size());
        for (const QVariantMap &row : rows) {
            QVariantMap copy = row;
            copy.detach();
            own.push_back(std::move(copy));
        }
        QElapsedTimer clock;
        clock.start();
        for (QVariantMap &row : own) {
            const QVariantMap handed = std::exchange(row, QVariantMap());
            network.dispatchMessage(QStringLiteral("hooked"), QStringLiteral("saListInfo"), handed);
        }
        QCoreApplication::processEvents();
        seconds = clock.nsecsElapsed() / 1e9;
        if (controller.originalModel()->rowCount() != int(rows.size()))
            seconds = -1;
    }
    Common::AbstractController::setNetwork(nullptr);
    return seconds;
}

void hookedRows(benchmark::State &state)
{
    std::vector<QVariantMap> rows;
    for (int i = 0; i < rowCount; ++i) {
        QVariantMap row;
        for (int key = 0; key < 78; ++key)
            row.insert(QStringLiteral("column_%1").arg(key, 2, 10, QLatin1Char('0')), QStringLiteral("value %1").arg(i));
        row.insert(QStringLiteral("id"), QString::number(rowCount - i));
        row.insert(QStringLiteral("status"), QString::number(i % 5 * 1000));
        rows.push_back(row);
    }
    double ours = 0;
    double anchor = 0;
    for (auto _ : state) {
        const double written = deliverOwnRows(true, rows);
        const double read = deliverOwnRows(false, rows);
        if (written < 0 || read < 0)
            return state.SkipWithError("rows lost");
        state.SetIterationTime(written);
        ours += written;
        anchor += read;
    }
    state.counters["ms_anchor"] = anchor / double(state.iterations()) * 1e3;
    state.counters["x_anchor"] = ours / anchor;
}

} // namespace

BENCHMARK(hookedRows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK(dispatch)
    ->Args({1, 1})
    ->Args({50, 1})
    ->Args({200, 1})
    ->Args({200, 10})
    ->Args({200, 200})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
