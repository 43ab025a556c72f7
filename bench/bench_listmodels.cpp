// The list model and its proxy on the hot paths of a page, each beside Qt's own classes doing
// the same work on the same rows in the same run (x_anchor = our time / Qt's time):
//   fill        rows added one by one in random, ascending or descending id order,
//               against QStandardItemModel filled row by row;
//   fillViewed  the same with a proxy model following every row, against QSortFilterProxyModel;
//   loadViewed  the same with the proxy model taking the rows at the list's end, as controllers
//               do with a full list, against the same anchor;
//   reload      a class-wide reload upserting every row of a 1,000-row model under three proxy
//               models, against one refilter of the three (x_refilter);
//   sort        10,000, 100,000 and 1,000,000 rows by a text, an integer and a double column, against
//               QSortFilterProxyModel over QStandardItemModel; the "Changed" ones change one row
//               before each sort, in both models, so that nothing read for the last sort holds;
//   search      free text of one and of three words over 50,000 rows x 20 columns, against
//               QSortFilterProxyModel's regular-expression filter over every column;
//   keystrokes  a word typed letter by letter into the filter and taken back at once, over
//               10,000 and 100,000 rows (time per keystroke), against QSortFilterProxyModel's
//               fixed-string filter over every column; "Cold" types the first letter only, into
//               a view that has never searched.
#include "client/controller/originalmodel.h"
#include "client/controller/proxymodel.h"
#include "model/base/abstractmodel.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

using Client::Controller::OriginalModel;
using Client::Controller::ProxyModel;

namespace {

// A table of twenty columns: the four common ones, numbers and text.
class BenchCatalogue : public Model::AbstractModel
{
public:
    BenchCatalogue()
    {
        declareColumn(QStringLiteral("count"), Model::SQL_INTEGER, true, 0, QStringLiteral("Count"));
        declareColumn(QStringLiteral("price"), Model::SQL_DOUBLE, true, 0, QStringLiteral("Price"));
        declareColumn(QStringLiteral("status"), Model::SQL_INTEGER, true, 0, QStringLiteral("Status"));
        for (int i = 0; i < 13; ++i)
            declareColumn(QStringLiteral("text%1").arg(i, 2, 10, QLatin1Char('0')), Model::SQL_TEXT, false, QVariant(),
                          QStringLiteral("Text"));
    }
    QString tableName() const override { return QStringLiteral("bench_rows"); }
};

const QStringList &columns()
{
    static const QStringList names = BenchCatalogue().fields().keys();
    return names;
}

const char *const words[] = {"north", "station", "driver", "amber", "cobalt", "river", "market", "harbour",
                             "taxi",  "orbit",   "linden", "maple", "quartz", "delta", "signal", "velvet"};

// Rows as the network hands them over: every value is text.
std::vector<QVariantMap> makeRows(int count, const std::vector<qint64> &ids)
{
    QRandomGenerator random(7);
    std::vector<QVariantMap> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        QVariantMap row;
        for (const QString &column : columns()) {
            if (column.startsWith(QLatin1String("text")))
                row.insert(column, QStringLiteral("%1 %2 %3").arg(QLatin1String(words[random.bounded(16)]),
                                                                 QLatin1String(words[random.bounded(16)]))
                                       .arg(random.bounded(1000)));
        }
        row.insert(QStringLiteral("id"), QString::number(ids[i]));
        row.insert(QStringLiteral("count"), QString::number(random.bounded(100000)));
        row.insert(QStringLiteral("price"), QString::number(random.generateDouble() * 1000, 'f', 2));
        row.insert(QStringLiteral("status"), QString::number(random.bounded(5)));
        row.insert(QStringLiteral("rst_id_user_locked"), QStringLiteral("1"));
        row.insert(QStringLiteral("dt_utc_last_update"), QString::number(1700000000000 + i));
        row.insert(QStringLiteral("dt_utc_insert"), QString::number(1700000000000 + i));
        rows.push_back(row);
    }
    return rows;
}

enum Order { Random, Ascending, Descending };

std::vector<QVariantMap> rowsInOrder(int count, Order order)
{
    std::vector<qint64> ids(count);
    std::iota(ids.begin(), ids.end(), 1);
    if (order == Descending)
        std::reverse(ids.begin(), ids.end());
    if (order == Random)
        std::shuffle(ids.begin(), ids.end(), std::mt19937(11));
    return makeRows(count, ids);
}

std::unique_ptr<OriginalModel> newModel()
{
    auto model = std::make_unique<OriginalModel>();
    model->setBaseModel(QSharedPointer<BenchCatalogue>::create());
    return model;
}

// The anchor's row: one item per column, numbers as numbers.
QList<QStandardItem *> itemsOf(const QVariantMap &row)
{
    QList<QStandardItem *> items;
    for (const QString &column : columns()) {
        auto *item = new QStandardItem;
        const QVariant value = row.value(column);
        if (column == QLatin1String("price"))
            item->setData(value.toDouble(), Qt::DisplayRole);
        else if (column == QLatin1String("count") || column == QLatin1String("id"))
            item->setData(value.toLongLong(), Qt::DisplayRole);
        else
            item->setData(value, Qt::DisplayRole);
        items.append(item);
    }
    return items;
}

std::unique_ptr<QStandardItemModel> anchorModel(const std::vector<QVariantMap> &rows)
{
    auto model = std::make_unique<QStandardItemModel>(0, columns().size());
    for (const QVariantMap &row : rows)
        model->appendRow(itemsOf(row));
    return model;
}

double nanosOf(const std::function<void()> &work, int rounds)
{
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r)
        work();
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / rounds;
}

// Runs ours in the benchmark loop and the anchor as often, and reports the ratio.
void measure(benchmark::State &state, const std::function<void()> &ours, const std::function<void()> &anchor,
             int items)
{
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ours();
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    }
    const double anchorTime = nanosOf(anchor, int(std::max<benchmark::IterationCount>(1, state.iterations())));
    state.SetItemsProcessed(state.iterations() * items);
    state.counters["x_anchor"] = total / double(state.iterations()) / anchorTime;
    state.SetComplexityN(items);
}

enum View { NoView, FollowingView, DeferredView };

void fill(benchmark::State &state, Order order, View view)
{
    const bool viewed = view != NoView;
    const int count = int(state.range(0));
    const std::vector<QVariantMap> rows = rowsInOrder(count, order);
    measure(
        state,
        [&] {
            auto model = newModel();
            std::unique_ptr<ProxyModel> proxy;
            if (viewed) {
                proxy = std::make_unique<ProxyModel>();
                proxy->setOriginalModel(model.get());
                proxy->rowCount();
                if (view == DeferredView)
                    proxy->deferRows();
            }
            for (const QVariantMap &row : rows)
                model->addRow(row);
            if (proxy)
                proxy->sortRows();
            if (model->rowCount() != count || (proxy && proxy->rowCount() != count))
                state.SkipWithError("rows lost");
        },
        [&] {
            QStandardItemModel model(0, columns().size());
            std::unique_ptr<QSortFilterProxyModel> proxy;
            if (viewed) {
                proxy = std::make_unique<QSortFilterProxyModel>();
                proxy->setSourceModel(&model);
                proxy->rowCount();
            }
            for (const QVariantMap &row : rows)
                model.appendRow(itemsOf(row));
        },
        count);
}

void fillRandom(benchmark::State &state) { fill(state, Random, NoView); }
void fillAscending(benchmark::State &state) { fill(state, Ascending, NoView); }
void fillDescending(benchmark::State &state) { fill(state, Descending, NoView); }
void fillViewedRandom(benchmark::State &state) { fill(state, Random, FollowingView); }
void fillViewedDescending(benchmark::State &state) { fill(state, Descending, FollowingView); }
void loadViewedRandom(benchmark::State &state) { fill(state, Random, DeferredView); }
void loadViewedDescending(benchmark::State &state) { fill(state, Descending, DeferredView); }

void reload(benchmark::State &state)
{
    constexpr int count = 1000;
    const std::vector<QVariantMap> rows = rowsInOrder(count, Descending);
    auto model = newModel();
    for (const QVariantMap &row : rows)
        model->addRow(row);
    std::vector<std::unique_ptr<ProxyModel>> proxies;
    for (int i = 0; i < 3; ++i) {
        proxies.push_back(std::make_unique<ProxyModel>());
        proxies.back()->setOriginalModel(model.get());
        proxies.back()->setHardFilterRole(QStringLiteral("status"), QStringLiteral("!="), QString::number(i));
        proxies.back()->setFilterPattern(QStringLiteral("a"));
    }
    qint64 time = 1800000000000;
    double total = 0;
    for (auto _ : state) {
        // Every row comes again, newer and changed, as in a reload of a class-wide list.
        std::vector<QVariantMap> again = rows;
        for (QVariantMap &row : again) {
            row.insert(QStringLiteral("dt_utc_last_update"), QString::number(++time));
            row.insert(QStringLiteral("status"), QString::number(time % 5));
        }
        const auto start = std::chrono::steady_clock::now();
        for (const QVariantMap &row : again)
            model->addRow(row);
        QCoreApplication::processEvents();
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    }
    const double refilter = nanosOf(
        [&] {
            for (auto &proxy : proxies)
                proxy->invalidateFilter();
        },
        5);
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["x_refilter"] = total / double(state.iterations()) / refilter;
}

// The same random rows in our list model and view, and in Qt's.
struct Views
{
    explicit Views(int count)
        : rows(rowsInOrder(count, Random))
        , model(newModel())
        , anchor(anchorModel(rows))
    {
        for (const QVariantMap &row : rows)
            model->addRow(row);
        proxy.setOriginalModel(model.get());
        anchorProxy.setDynamicSortFilter(false);
        anchorProxy.setSourceModel(anchor.get());
        anchorProxy.rowCount();
    }

    const std::vector<QVariantMap> rows;
    std::unique_ptr<OriginalModel> model;
    ProxyModel proxy;
    std::unique_ptr<QStandardItemModel> anchor;
    QSortFilterProxyModel anchorProxy;
};

void sort(benchmark::State &state, const QString &role, int anchorColumn, bool changeFirst = false)
{
    const int count = int(state.range(0));
    Views views(count);
    ProxyModel &proxy = views.proxy;
    QSortFilterProxyModel &anchorProxy = views.anchorProxy;
    bool ascending = true;
    bool anchorAscending = true;
    int round = 0;
    int anchorRound = 0;
    measure(
        state,
        [&] {
            if (changeFirst) {
                ++round;
                views.model->updateValue(round % count, role, QString::number(round));
            }
            proxy.sortRows(role, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
            ascending = !ascending;
        },
        [&] {
            if (changeFirst) {
                ++anchorRound;
                const QVariant value = role.startsWith(QLatin1String("text")) ? QVariant(QString::number(anchorRound))
                                                                              : QVariant(anchorRound);
                views.anchor->item(anchorRound % count, anchorColumn)->setData(value, Qt::DisplayRole);
            }
            anchorProxy.sort(anchorColumn, anchorAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
            anchorAscending = !anchorAscending;
        },
        count);
}

void sortText(benchmark::State &state) { sort(state, QStringLiteral("text03"), columns().indexOf("text03")); }
void sortInteger(benchmark::State &state) { sort(state, QStringLiteral("count"), columns().indexOf("count")); }
void sortDouble(benchmark::State &state) { sort(state, QStringLiteral("price"), columns().indexOf("price")); }
void sortTextChanged(benchmark::State &state)
{
    sort(state, QStringLiteral("text03"), columns().indexOf("text03"), true);
}
void sortIntegerChanged(benchmark::State &state) { sort(state, QStringLiteral("count"), columns().indexOf("count"), true); }

void search(benchmark::State &state, const QStringList &patterns, const QStringList &anchorPatterns)
{
    constexpr int count = 50000;
    Views views(count);
    ProxyModel &proxy = views.proxy;
    QSortFilterProxyModel &anchorProxy = views.anchorProxy;
    anchorProxy.setFilterKeyColumn(-1);
    int round = 0;
    int anchorRound = 0;
    measure(
        state,
        [&] {
            proxy.setFilterPattern(patterns.at(round++ % patterns.size()));
            benchmark::DoNotOptimize(proxy.rowCount());
        },
        [&] {
            anchorProxy.setFilterRegularExpression(
                QRegularExpression(anchorPatterns.at(anchorRound++ % anchorPatterns.size()),
                                   QRegularExpression::CaseInsensitiveOption));
            benchmark::DoNotOptimize(anchorProxy.rowCount());
        },
        count);
}

void searchOneWord(benchmark::State &state)
{
    search(state, {QStringLiteral("river"), QStringLiteral("quartz")}, {QStringLiteral("river"), QStringLiteral("quartz")});
}

void searchThreeWords(benchmark::State &state)
{
    search(state, {QStringLiteral("river 7 a"), QStringLiteral("quartz 1 e")},
           {QStringLiteral("(?=.*river)(?=.*7)(?=.*a)"), QStringLiteral("(?=.*quartz)(?=.*1)(?=.*e)")});
}

// Each run types "riv" one letter at a time and then clears the text.
const QStringList Keystrokes{QStringLiteral("r"), QStringLiteral("ri"), QStringLiteral("riv"), QString()};

void keystrokes(benchmark::State &state)
{
    const int count = int(state.range(0));
    Views views(count);
    ProxyModel &proxy = views.proxy;
    QSortFilterProxyModel &anchorProxy = views.anchorProxy;
    anchorProxy.setFilterKeyColumn(-1);
    anchorProxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    // Typing keeps what the first search read: the runs measure the keystrokes after it.
    proxy.setFilterPattern(Keystrokes.first());
    proxy.setFilterPattern(QString());
    measure(
        state,
        [&] {
            for (const QString &text : Keystrokes) {
                proxy.setFilterPattern(text);
                benchmark::DoNotOptimize(proxy.rowCount());
            }
        },
        [&] {
            for (const QString &text : Keystrokes) {
                anchorProxy.setFilterFixedString(text);
                benchmark::DoNotOptimize(anchorProxy.rowCount());
            }
        },
        count * Keystrokes.size());
    state.counters["ms_per_key"] = benchmark::Counter(double(Keystrokes.size()) * double(state.iterations()),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The first letter typed into a fresh view: nothing of the rows' texts is kept yet.
void keystrokeCold(benchmark::State &state)
{
    const int count = int(state.range(0));
    const std::vector<QVariantMap> rows = rowsInOrder(count, Random);
    auto model = newModel();
    for (const QVariantMap &row : rows)
        model->addRow(row);
    auto anchor = anchorModel(rows);
    double total = 0;
    double anchorTotal = 0;
    for (auto _ : state) {
        ProxyModel proxy;
        proxy.setOriginalModel(model.get());
        QSortFilterProxyModel anchorProxy;
        anchorProxy.setDynamicSortFilter(false);
        anchorProxy.setSourceModel(anchor.get());
        anchorProxy.setFilterKeyColumn(-1);
        anchorProxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        anchorProxy.rowCount();
        const auto start = std::chrono::steady_clock::now();
        proxy.setFilterPattern(Keystrokes.first());
        benchmark::DoNotOptimize(proxy.rowCount());
        const auto middle = std::chrono::steady_clock::now();
        anchorProxy.setFilterFixedString(Keystrokes.first());
        benchmark::DoNotOptimize(anchorProxy.rowCount());
        const auto end = std::chrono::steady_clock::now();
        total += std::chrono::duration<double, std::milli>(middle - start).count();
        anchorTotal += std::chrono::duration<double, std::milli>(end - middle).count();
    }
    state.counters["ms_per_key"] = total / double(state.iterations());
    state.counters["x_anchor"] = total / anchorTotal;
}

} // namespace

BENCHMARK(fillRandom)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
BENCHMARK(fillAscending)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(fillDescending)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(fillViewedRandom)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(fillViewedDescending)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(loadViewedRandom)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(loadViewedDescending)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(reload)->Unit(benchmark::kMillisecond);
BENCHMARK(sortText)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortInteger)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortDouble)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortTextChanged)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(sortIntegerChanged)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(searchOneWord)->Unit(benchmark::kMillisecond);
BENCHMARK(searchThreeWords)->Unit(benchmark::kMillisecond);
BENCHMARK(keystrokes)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);
BENCHMARK(keystrokeCold)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
