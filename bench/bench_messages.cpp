// Building and parsing protocol messages.
//  - encodeList: a list of maps made into records, their message text and one text frame, as
//    the network sends them; "x_qCompress" is that time over qCompress of the same text alone.
//  - parseFrame: a received frame's text split into maps; "x_naive" is that time over a plain
//    split of the same text at "[END]", "#" and "=" into maps.
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

template<typename Work>
double nanosPerRound(Work work)
{
    constexpr int rounds = 5;
    const auto start = Clock::now();
    for (int r = 0; r < rounds; ++r)
        work();
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / rounds;
}

void encodeList(benchmark::State &state)
{
    const QList<QVariantMap> maps = listRows(int(state.range(0)));
    const QString sample = frameText(maps);
    const double anchor = nanosPerRound([&] { benchmark::DoNotOptimize(qCompress(sample.toUtf8(), 9)); });
    const auto start = Clock::now();
    for (auto _ : state) {
        QList<NetDTO> records;
        records.reserve(maps.size());
        for (const QVariantMap &map : maps)
            records.append(NetDTO(map));
        QString text;
        for (const NetDTO &record : qAsConst(records))
            text += Common::messageText(QStringLiteral("operator"), record);
        QByteArray frame = qCompress(text.toUtf8(), 9);
        frame.append(Common::FrameReader::endMarker);
        benchmark::DoNotOptimize(frame);
    }
    const double elapsed = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    state.SetItemsProcessed(state.iterations() * maps.size());
    state.counters["x_qCompress"] = elapsed / double(state.iterations()) / anchor;
}
BENCHMARK(encodeList)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

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
    const double anchor = nanosPerRound([&] { benchmark::DoNotOptimize(naiveSplit(text)); });
    const auto start = Clock::now();
    int parsed = 0;
    for (auto _ : state) {
        const QList<QVariantMap> maps = Common::ApiNetwork::decodeTextFrame(text);
        parsed = maps.size();
        benchmark::DoNotOptimize(maps);
    }
    const double elapsed = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    if (parsed != state.range(0))
        state.SkipWithError("messages lost");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["x_naive"] = elapsed / double(state.iterations()) / anchor;
}
BENCHMARK(parseFrame)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

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
