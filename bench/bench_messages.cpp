// Building and parsing protocol messages.
//  - encodeList: a list of maps made into records, their message text in UTF-8 and one text
//    frame, as the network sends them; "x_anchor" is that time over qCompress of the same text alone.
//  - parseFrame: a received frame's text split into maps; "x_anchor" is that time over a plain
//    split of the same text at "[END]", "#" and "=" into maps.
// Work and anchor are timed in turns, in the same iterations.
#include "common/net/apinetwork.h"
#include "common/net/framereader.h"
#include "common/net/messagetext.h"
#include "common/net/netdto.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

QVariantMap listRow(int i)
{
    QVariantMap map;
    map.insert("FN", "driver_saListInfo");
    map.insert("RECEIVER", "17");
    map.insert("id", QString::number(i));
    map.insert("name", QStringLiteral("Водитель %1").arg(i));
    map.insert("sign", QStringLiteral("drv%1").arg(i));
    map.insert("phone", QStringLiteral("+38067%1").arg(1000000 + i));
    map.insert("balance", QString::number(i * 1.25, 'f', 2));
    map.insert("rst_id_group", "3");
    map.insert("is_blocked", "0");
    map.insert("dt_utc_insert", "1767225540000");
    map.insert("dt_utc_last_update", QString::number(1767225540000 + i));
    map.insert("note", "a#b=c");
    return map;
}

QList<QVariantMap> listRows(int rows)
{
    QList<QVariantMap> maps;
    for (int i = 0; i < rows; ++i)
        maps.append(listRow(i));
    return maps;
}

QString frameText(const QList<QVariantMap> &maps)
{
    QString text;
    for (const QVariantMap &map : maps)
        text += Common::messageText(QStringLiteral("operator"), NetDTO(map));
    return text;
}

// Times the work and its anchor in turns, so that both see the same machine; the iteration's
// time is the work's.
template<typename Work, typename Anchor>
void alternate(benchmark::State &state, Work work, Anchor anchor)
{
    double worked = 0;
    double anchored = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        work();
        const auto middle = Clock::now();
        anchor();
        const double seconds = std::chrono::duration<double>(middle - start).count();
        worked += seconds;
        anchored += std::chrono::duration<double>(Clock::now() - middle).count();
        state.SetIterationTime(seconds);
    }
    state.counters["x_anchor"] = worked / anchored;
}

void encodeList(benchmark::State &state)
{
    const QList<QVariantMap> maps = listRows(int(state.range(0)));
    const QString sample = frameText(maps);
    alternate(
        state,
        [&] {
            QList<NetDTO> records;
            records.reserve(maps.size());
            for (const QVariantMap &map : maps)
                records.append(NetDTO(map));
            QByteArray frame = qCompress(Common::messagesUtf8(QStringLiteral("operator"), records), 9);
            frame.append(Common::FrameReader::endMarker);
            benchmark::DoNotOptimize(frame);
        },
        [&] { benchmark::DoNotOptimize(qCompress(sample.toUtf8(), 9)); });
    state.SetItemsProcessed(state.iterations() * maps.size());
}
BENCHMARK(encodeList)->Arg(100)->Arg(1000)->Arg(10000)->Arg(80000)->Unit(benchmark::kMicrosecond)->UseManualTime();

// The plain way: split at the markers and separators, no escapes, no duplicate check.
QList<QVariantMap> naiveSplit(const QString &text)
{
    QList<QVariantMap> maps;
    for (const QString &piece : text.split(QStringLiteral("[END]"), Qt::SkipEmptyParts)) {
        QVariantMap map;
        for (const QString &entry : piece.split(QLatin1Char('#'), Qt::SkipEmptyParts)) {
            const int equal = entry.indexOf(QLatin1Char('='));
            if (equal > 0)
                map.insert(entry.left(equal), entry.mid(equal + 1));
        }
        maps.append(map);
    }
    return maps;
}

void parseFrame(benchmark::State &state)
{
    const QString text = frameText(listRows(int(state.range(0))));
    int parsed = 0;
    alternate(
        state,
        [&] {
            const QList<QVariantMap> maps = Common::ApiNetwork::decodeTextFrame(text);
            parsed = maps.size();
            benchmark::DoNotOptimize(maps);
        },
        [&] { benchmark::DoNotOptimize(naiveSplit(text)); });
    if (parsed != state.range(0))
        state.SkipWithError("messages lost");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(parseFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseManualTime();

void buildMessage(benchmark::State &state)
{
    const QVariantMap map = listRow(7);
    for (auto _ : state) {
        const QString text = Common::messageText(QStringLiteral("operator"), NetDTO(map));
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(buildMessage);

} // namespace

BENCHMARK_MAIN();
