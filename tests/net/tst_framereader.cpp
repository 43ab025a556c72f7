#include "common/net/apinetwork.h"
#include "common/net/framereader.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <sys/resource.h>
#include <zlib.h>

using Common::FrameReader;

namespace {

QByteArray jsonFrame(const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact);
    QByteArray frame(4, Qt::Uninitialized);
    qToBigEndian<qint32>(text.size(), frame.data());
    return frame + text;
}

QByteArray textFrame(const QString &text)
{
    return qCompress(text.toUtf8(), 9) + "#ENDMSG";
}

QByteArray header(qint32 length, char first)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToBigEndian<qint32>(length, bytes.data());
    return bytes + first;
}

// A text frame of count zero bytes that declares declaredSize, compressed in pieces.
QByteArray zerosFrame(qint64 count, qint32 declaredSize)
{
    z_stream stream{};
    deflateInit(&stream, 9);
    QByteArray out(4, Qt::Uninitialized);
    qToBigEndian<qint32>(declaredSize, out.data());
    const QByteArray piece(1 << 20, '\0');
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (qint64 left = count;;) {
        const int size = int(qMin<qint64>(left, piece.size()));
        left -= size;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(piece.constData()));
        stream.avail_in = uInt(size);
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
            stream.avail_out = uInt(buffer.size());
            deflate(&stream, left > 0 ? Z_NO_FLUSH : Z_FINISH);
            out.append(buffer.constData(), buffer.size() - int(stream.avail_out));
        } while (stream.avail_out == 0);
        if (left == 0)
            break;
    }
    deflateEnd(&stream);
    return out + "#ENDMSG";
}

// The process's peak resident memory so far, in bytes.
qint64 peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// Frames as comparable text: "J:" + JSON text, or "T:" + decoded text.
QStringList readAll(FrameReader &reader, FrameReader::Status *last = nullptr)
{
    QStringList frames;
    FrameReader::Frame frame;
    FrameReader::Status status;
    while ((status = reader.next(&frame)) == FrameReader::Status::Frame) {
        frames << (frame.kind == FrameReader::Kind::Json ? QStringLiteral("J:") : QStringLiteral("T:"))
                + QString::fromUtf8(frame.raw);
    }
    if (last)
        *last = status;
    return frames;
}

QByteArray mixedStream(QStringList *expected)
{
    QByteArray stream;
    const QJsonObject withMarker{{"controller", "probe"}, {"note", "#ENDMSG inside"}};
    const QString small = "#SIGN=s#FN=a_b#[END]";
    // A short text: its size header reads as a small, plausible JSON length.
    stream += textFrame(small);
    *expected << "T:" + small;
    stream += jsonFrame(withMarker);
    *expected << "J:" + QJsonDocument(withMarker).toJson(QJsonDocument::Compact);
    QString big;
    for (int i = 0; i < 200; ++i)
        big += QStringLiteral("#SIGN=s#FN=driver_saListInfo#id=%1#name=Водитель %1#[END]").arg(i);
    stream += textFrame(big);
    *expected << "T:" + big;
    // Frames without text, as qCompress and a plain zlib stream write them, are skipped.
    stream += qCompress(QByteArray(), 9) + "#ENDMSG";
    stream += zerosFrame(0, 0);
    stream += jsonFrame({{"controller", "auth"}, {"method", "auth"}, {"resCode", 10}});
    *expected << R"(J:{"controller":"auth","method":"auth","resCode":10})";
    stream += qCompress(QByteArray(), 9) + "#ENDMSG";
    return stream;
}

} // namespace

// Cutting a received byte stream into frames, whatever the reads look like.
class TestFrameReader : public QObject
{
    Q_OBJECT

private slots:
    void everySplitDecodesAlike();
    void badHeadersStopTheStream_data();
    void badHeadersStopTheStream();
    void waitsForTheRest();
    void repeatedMemberReadsItsLastValue();
    void textFrameMessages();
    void resCode_data();
    void resCode();
};

void TestFrameReader::everySplitDecodesAlike()
{
    QStringList expected;
    const QByteArray stream = mixedStream(&expected);

    // All at once.
    FrameReader whole;
    whole.append(stream);
    QCOMPARE(readAll(whole), expected);
    QCOMPARE(whole.bufferedBytes(), 0);

    // Byte by byte.
    FrameReader single;
    QStringList frames;
    for (char byte : stream) {
        single.append(QByteArray(1, byte));
        frames += readAll(single);
    }
    QCOMPARE(frames, expected);

    // Every two-way split point, and random many-way splits.
    for (int cut = 1; cut < stream.size(); cut += 7) {
        FrameReader reader;
        reader.append(stream.left(cut));
        QStringList got = readAll(reader);
        reader.append(stream.mid(cut));
        got += readAll(reader);
        QCOMPARE(got, expected);
    }
    QRandomGenerator random(42);
    for (int round = 0; round < 50; ++round) {
        FrameReader reader;
        QStringList got;
        for (int pos = 0; pos < stream.size();) {
            const int size = 1 + random.bounded(300);
            reader.append(stream.mid(pos, size));
            got += readAll(reader);
            pos += size;
        }
        QCOMPARE(got, expected);
    }
}

void TestFrameReader::badHeadersStopTheStream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("oversize JSON") << header(0x7fffffff, '{') + "\"a\":1}";
    QTest::newRow("negative JSON") << header(-5, '{') + "}";
    QTest::newRow("oversize text") << header(0x7fffffff, 0x78) + QByteArray("\xda\x01") + "#ENDMSG";
    QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\n\r\n");
    QTest::newRow("broken JSON") << header(7, '{') + "\"a\":1,}";
    QTest::newRow("JSON array") << header(2, '[') + "[]";
    QTest::newRow("JSON member twice, then a comma") << header(16, '{') + "\"a\":[1],\"a\":2,}";
    QTest::newRow("text not zlib") << header(10, 0x78) + QByteArray("\x01garbage") + "#ENDMSG";
    QByteArray wrongSize = textFrame("#SIGN=s#FN=a_b#[END]");
    qToBigEndian<qint32>(5, wrongSize.data());
    QTest::newRow("text size lies") << wrongSize;
    QTest::newRow("text 256 MiB, 10 declared") << zerosFrame(qint64(256) << 20, 10);
    QTest::newRow("text one byte over") << zerosFrame(11, 10);
    QTest::newRow("text one byte short") << zerosFrame(9, 10);
    QTest::newRow("text followed by junk") << zerosFrame(10, 10).replace("#ENDMSG", "junk#ENDMSG");
    QTest::newRow("empty text, then no marker") << header(0, '#') + "#ENDMSX";
}

void TestFrameReader::badHeadersStopTheStream()
{
    QFETCH(QByteArray, bytes);
    const qint64 startMemory = peakMemory();
    FrameReader reader(1024 * 1024);
    const QByteArray good = jsonFrame({{"ok", true}});
    reader.append(good + bytes + good);
    FrameReader::Status status;
    QCOMPARE(readAll(reader, &status), QStringList{R"(J:{"ok":true})"});
    QCOMPARE(status, FrameReader::Status::Error);
    QVERIFY(!reader.errorString().isEmpty());
    // Nothing after the bad frame is ever read as a frame.
    FrameReader::Frame frame;
    QCOMPARE(reader.next(&frame), FrameReader::Status::Error);
    reader.clear();
    reader.append(good);
    QCOMPARE(readAll(reader), QStringList{R"(J:{"ok":true})"});
    // A frame is never inflated past its declared size.
    QVERIFY2(peakMemory() - startMemory < (qint64(64) << 20),
             qPrintable(QStringLiteral("peak memory grew by %1 MiB").arg((peakMemory() - startMemory) >> 20)));
}

void TestFrameReader::waitsForTheRest()
{
    // A text frame that never ends may not grow past the limit.
    FrameReader reader(4096);
    reader.append(header(100, 0x78));
    QByteArray filler(1000, 'x');
    FrameReader::Status status = FrameReader::Status::NeedMore;
    FrameReader::Frame frame;
    int appended = 0;
    while (status == FrameReader::Status::NeedMore && appended < 20) {
        reader.append(filler);
        ++appended;
        status = reader.next(&frame);
    }
    QCOMPARE(status, FrameReader::Status::Error);
    QVERIFY(appended <= 5);

    // A marker split across two reads is found.
    FrameReader split;
    const QByteArray text = textFrame("#SIGN=s#FN=a_b#[END]");
    split.append(text.left(text.size() - 3));
    QCOMPARE(split.next(&frame), FrameReader::Status::NeedMore);
    split.append(text.right(3));
    QCOMPARE(split.next(&frame), FrameReader::Status::Frame);
    QCOMPARE(frame.raw, QByteArray("#SIGN=s#FN=a_b#[END]"));
}

void TestFrameReader::repeatedMemberReadsItsLastValue()
{
    // As Qt reads it: the last value, whatever the earlier ones were; the next frame follows.
    const QByteArray text = R"({"a":[1],"a":2,"o":{"x":[]},"o":[],"o":{"y":3}})";
    FrameReader reader;
    reader.append(header(text.size(), '{').chopped(1) + text + jsonFrame({{"ok", true}}));
    FrameReader::Frame frame;
    QVERIFY2(reader.next(&frame) == FrameReader::Status::Frame, qPrintable(reader.errorString()));
    QCOMPARE(frame.json, (QJsonObject{{"a", 2}, {"o", QJsonObject{{"y", 3}}}}));
    QCOMPARE(frame.raw, text);
    QCOMPARE(readAll(reader), QStringList{R"(J:{"ok":true})"});
}

void TestFrameReader::textFrameMessages()
{
    const QString a = "#SIGN=s#FN=x_saPing#";
    const QString b = "#SIGN=s#FN=x_saOpen#RES=10#";
    auto fns = [](const QString &text) {
        QStringList result;
        for (const QVariantMap &m : Common::ApiNetwork::decodeTextFrame(text))
            result << m.value("FN").toString();
        return result;
    };
    QCOMPARE(fns(a + "[END]" + a + "[END]"), QStringList{"x_saPing"});
    QCOMPARE(fns(a + "[END]" + b + "[END]" + a + "[END]"), (QStringList{"x_saPing", "x_saOpen", "x_saPing"}));
    QCOMPARE(fns("[END][END]"), QStringList{});
    QCOMPARE(Common::ApiNetwork::decodeTextFrame(b + "[END]").value(0).value("RES").toString(), QString("10"));
}

void TestFrameReader::resCode_data()
{
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<int>("code");
    QTest::newRow("number") << QJsonValue(10) << 10;
    QTest::newRow("text") << QJsonValue("10") << 10;
    QTest::newRow("zero") << QJsonValue(0) << 0;
    QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << 0;
    QTest::newRow("not a number") << QJsonValue("ten") << 0;
    QTest::newRow("null") << QJsonValue(QJsonValue::Null) << 0;
}

void TestFrameReader::resCode()
{
    QFETCH(QJsonValue, value);
    QFETCH(int, code);
    QJsonObject message{{"controller", "auth"}, {"method", "auth"}};
    if (!value.isUndefined())
        message.insert("resCode", value);
    QCOMPARE(Common::ApiNetwork::resCode(message), code);
}

QTEST_GUILESS_MAIN(TestFrameReader)
#include "tst_framereader.moc"
