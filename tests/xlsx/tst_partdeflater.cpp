// A part compressed in blocks reads back as one deflate stream, whatever its size and however it
// was handed over.
#include "xlsx/partdeflater.h"

#include <QRandomGenerator>
#include <QtTest>

#include <zlib.h>

using namespace Xlsx;

namespace {

constexpr int block = 256 * 1024;

QByteArray inflateRaw(const QByteArray &data, int expectedSize, bool *ended)
{
    z_stream stream{};
    inflateInit2(&stream, -15);
    QByteArray out(expectedSize + 1, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    *ended = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_in == 0;
    out.resize(out.size() - int(stream.avail_out));
    inflateEnd(&stream);
    return out;
}

// Text like a sheet's: repetitive enough that the blocks lean on the text before them.
QByteArray sheetText(int size)
{
    QByteArray text;
    QRandomGenerator random(size);
    while (text.size() < size)
        text += "<c r=\"B" + QByteArray::number(random.bounded(100000)) + "\" s=\"3\" t=\"s\"><v>"
            + QByteArray::number(random.bounded(40)) + "</v></c>";
    text.resize(size);
    return text;
}

} // namespace

class PartDeflaterTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBackWhole_data();
    void readsBackWhole();
};

void PartDeflaterTest::readsBackWhole_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("noise"); // bytes that do not compress
    QTest::newRow("empty") << 0 << false;
    QTest::newRow("one byte") << 1 << false;
    QTest::newRow("a byte short of a block") << block - 1 << false;
    QTest::newRow("one block") << block << false;
    QTest::newRow("a byte past a block") << block + 1 << false;
    QTest::newRow("nine blocks") << 9 * block << false;
    QTest::newRow("nine and a bit") << 9 * block + 12345 << false;
    QTest::newRow("three blocks of noise") << 3 * block + 7 << true;
}

void PartDeflaterTest::readsBackWhole()
{
    QFETCH(int, size);
    QFETCH(bool, noise);
    QByteArray text = sheetText(size);
    if (noise) {
        QRandomGenerator random(7);
        for (char &c : text)
            c = char(random.bounded(256));
    }
    QByteArray first;
    for (const int piece : {size + 1, 1000, 300000}) {
        PartDeflater deflater;
        for (int done = 0; done < size; done += piece)
            deflater.write(text.constData() + done, qMin(piece, size - done));
        Package::Part part;
        QVERIFY(deflater.finish(&part));
        QVERIFY(part.deflated);
        QCOMPARE(part.size, qint64(size));
        QCOMPARE(part.crc, quint32(crc32(0, reinterpret_cast<const Bytef *>(text.constData()), uInt(size))));
        bool ended = false;
        QCOMPARE(inflateRaw(part.data, size, &ended), text);
        QVERIFY(ended);
        if (size > 1000 && !noise)
            QVERIFY(part.data.size() < size / 3);
        // The same bytes however the text came in.
        if (first.isNull())
            first = part.data;
        QCOMPARE(part.data, first);
    }
}

QTEST_GUILESS_MAIN(PartDeflaterTest)
#include "tst_partdeflater.moc"
