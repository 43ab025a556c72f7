// Building and parsing protocol messages of 30 entries.
#include "common/net/messagetext.h"
#include "common/net/netdto.h"

#include <benchmark/benchmark.h>

namespace {

QVariantMap thirtyEntries()
{
    QVariantMap map;
    map.insert("FN", "driver_saListInfo");
    map.insert("RECEIVER", "17");
    for (int i = 0; i < 28; ++i)
        map.insert(QStringLiteral("field_%1").arg(i), QStringLiteral("value #%1 = Водитель %1").arg(i));
    return map;
}

void buildMessage(benchmark::State &state)
{
    const QVariantMap map = thirtyEntries();
    for (auto _ : state) {
        const QString text = Common::messageText(QStringLiteral("operator"), NetDTO(map));
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(buildMessage);

void parseMessage(benchmark::State &state)
{
    QString text = Common::messageText(QStringLiteral("operator"), NetDTO(thirtyEntries()));
    text.chop(5);
    for (auto _ : state) {
        const QVariantMap map = Common::parseMessage(text);
        benchmark::DoNotOptimize(map);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(parseMessage);

} // namespace

BENCHMARK_MAIN();
