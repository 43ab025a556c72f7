// Handing a list of 10,000 rows from the network to the registered controllers: C controllers
// are registered, k of them under the rows' protocol name, and the page of one of them adds its
// rows to its list model, which its proxy model shows at the list's end. Delivery should cost
// the k receivers of each row, not the C registered.
#include "client/controller/itemcontroller.h"
#include "client/net/apinetwork.h"
#include "model/base/abstractmodel.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>
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

} // namespace

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
