// Decoding received list answers: 10k rows as one frame, as 10k frames, and in 1,460-byte chunks.
// "x_inflate" is the decode time over the time of bare zlib inflation of the same frames.
// JSON frames of n records: "x_fromJson" is the read over bare QJsonDocument::fromJson; with
// repeats, each record gives one member twice (a text, which Qt drops without loss).
#include "common/core/utils/jsontext.h"
#include "common/net/apinetwork.h"
#include "common/net/framereader.h"
#include "common/net/messagetext.h"
#include "common/net/netdto.h"

#include <benchmark/benchmark.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <chrono>

namespace {

NetDTO row(int i)
{
    NetDTO record;
    record.insert("FN", "driver_saListInfo");
    record.insert("RECEIVER", "12");
    record.insert("id", i);
    record.insert("name", QStringLiteral("Водитель %1").arg(i));
    record.insert("sign", QStringLiteral("drv%1").arg(i));
    record.insert("phone", QStringLiteral("+38067%1").arg(1000000 + i));
    record.insert("balance", QString::number(i * 1.25, 'f', 2));
    record.insert("rst_id_group", "3");
    record.insert("rst_id_owner", "2");
    record.insert("is_blocked", "0");
    record.insert("dt_utc_insert", "1767225540000");
    record.insert("dt_utc_last_update", QString::number(1767225540000 + i));
    record.insert("note", "a#b=c");
    return record;
}

QByteArray textFrame(const QString &text)
{
    return qCompress(text.toUtf8(), 9) + Common::FrameReader::endMarker;
}

QList<QByteArray> framesOf(int rows, bool oneFrame)
{
    QList<QByteArray> frames;
    QString text;
    for (int i = 0; i < rows; ++i) {
        const QString message = Common::messageText("operator", row(i));
        if (oneFrame)
            text += message;
        else
            frames.append(textFrame(message));
    }
    if (oneFrame)
        frames.append(textFrame(text));
    return frames;
}

// Nanoseconds that bare qUncompress of the frames takes.
double inflateNanos(const QList<QByteArray> &frames)
{
    const auto start = std::chrono::steady_clock::now();
    constexpr int rounds = 3;
    for (int r = 0; r < rounds; ++r) {
        for (const QByteArray &frame : frames)
            benchmark::DoNotOptimize(qUncompress(frame.left(frame.size() - 7)));
    }
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void decode(benchmark::State &state, bool oneFrame, int chunk)
{
    const int rows = int(state.range(0));
    const QList<QByteArray> frames = framesOf(rows, oneFrame);
    QByteArray stream;
    for (const QByteArray &frame : frames)
        stream += frame;
    const double inflate = inflateNanos(frames);
    qint64 decoded = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        Common::FrameReader reader;
        Common::FrameReader::Frame frame;
        decoded = 0;
        for (int pos = 0; pos < stream.size(); pos += chunk) {
            reader.append(stream.mid(pos, chunk));
            while (reader.next(&frame) == Common::FrameReader::Status::Frame)
                decoded += Common::ApiNetwork::decodeTextFrame(Common::ApiNetwork::frameText(frame.raw)).size();
        }
    }
    const double elapsed = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    if (decoded != rows)
        state.SkipWithError("rows lost");
    state.SetItemsProcessed(state.iterations() * rows);
    state.SetBytesProcessed(state.iterations() * stream.size());
    state.counters["x_inflate"] = elapsed / double(state.iterations()) / inflate;
    state.SetComplexityN(rows);
}

// One JSON answer of n records, as the reader reads it.
QByteArray jsonText(int records, bool repeats)
{
    QJsonArray rows;
    for (int i = 0; i < records; ++i)
        rows.append(row(i).toJson());
    const QByteArray text = QJsonDocument(QJsonObject{{"RES", "10"}, {"rows", rows}}).toJson(QJsonDocument::Compact);
    return repeats ? QByteArray(text).replace("\"note\":", "\"note\":\"x\",\"note\":") : text;
}

void readJson(benchmark::State &state, bool repeats)
{
    const QByteArray text = jsonText(int(state.range(0)), repeats);
    constexpr int rounds = 3;
    const auto anchorStart = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(text));
    const double anchor =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - anchorStart).count() / rounds;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (!Common::readJson(text).isObject())
            state.SkipWithError("not read");
    }
    const double elapsed = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["x_fromJson"] = elapsed / double(state.iterations()) / anchor;
    state.SetComplexityN(state.range(0));
}

void jsonFrame(benchmark::State &state) { readJson(state, false); }
void jsonFrameRepeats(benchmark::State &state) { readJson(state, true); }
void oneFrame(benchmark::State &state) { decode(state, true, 1 << 30); }
void frameEach(benchmark::State &state) { decode(state, false, 1 << 30); }
void chunked(benchmark::State &state) { decode(state, false, 1460); }
void oneFrameChunked(benchmark::State &state) { decode(state, true, 1460); }

BENCHMARK(oneFrame)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(frameEach)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(chunked)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(oneFrameChunked)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(jsonFrame)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(jsonFrameRepeats)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
