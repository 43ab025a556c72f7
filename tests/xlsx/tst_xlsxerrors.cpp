// Broken workbooks and failed saves: a clear message, nothing written, nothing lost.
#include "hostilezip.h"
#include "peakmemory.h"
#include "testfiles.h"
#include "xlsx/document.h"
#include "xlsxtesthelpers.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <private/qzipreader_p.h>

#include <memory>

using namespace Xlsx;

namespace {

using Parts = QVector<QPair<QString, QByteArray>>;

Parts partsOf(const QString &fileName)
{
    QZipReader reader(fileName);
    Parts parts;
    for (const QZipReader::FileInfo &info : reader.fileInfoList())
        parts.append({info.filePath, reader.fileData(info.filePath)});
    return parts;
}

// The parts as an honest archive, but for the entry of the same name as hostile, which takes
// that part's place.
QByteArray archiveOf(const Parts &parts, const HostileZip::Entry &hostile = HostileZip::Entry())
{
    QList<HostileZip::Entry> entries;
    for (const auto &part : parts)
        entries.append(part.first.toUtf8() == hostile.name ? hostile : HostileZip::deflated(part.first.toUtf8(), part.second));
    return HostileZip::archive(entries);
}

// Tells how far the process's resident memory rose above what it was when made.
class MemoryGrowth
{
public:
    MemoryGrowth()
    {
        PeakMemory::reset();
        m_start = PeakMemory::current();
    }
    qint64 bytes() const { return PeakMemory::peak() - m_start; }
    QString text() const { return QStringLiteral("peak memory grew by %1 MiB").arg(bytes() >> 20); }

private:
    qint64 m_start = 0;
};

Parts replaced(Parts parts, const QString &name, const QByteArray &data)
{
    for (auto &part : parts) {
        if (part.first == name) {
            part.second = data;
            return parts;
        }
    }
    parts.append({name, data});
    return parts;
}

QByteArray partOf(const Parts &parts, const QString &name)
{
    for (const auto &part : parts) {
        if (part.first == name)
            return part.second;
    }
    return QByteArray();
}

Parts without(Parts parts, const QString &name)
{
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].first == name)
            parts.remove(i--);
    }
    return parts;
}

// The parts with one more worksheet of that name, its part xl/worksheets/<file> holding data.
Parts withSheet(Parts parts, const QByteArray &name, const QByteArray &file, const QByteArray &data)
{
    for (auto &part : parts) {
        if (part.first == QLatin1String("xl/workbook.xml"))
            part.second.replace("</sheets>", "<sheet name=\"" + name + "\" sheetId=\"9\" r:id=\"rId9\"/></sheets>");
        else if (part.first == QLatin1String("xl/_rels/workbook.xml.rels"))
            part.second.replace("</Relationships>", "<Relationship Id=\"rId9\" Target=\"worksheets/" + file + "\" "
                                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\"/>"
                                "</Relationships>");
        else if (part.first == QLatin1String("[Content_Types].xml"))
            part.second.replace("</Types>", "<Override PartName=\"/xl/worksheets/" + file + "\" ContentType=\""
                                "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>");
    }
    parts.append({QStringLiteral("xl/worksheets/") + QString::fromUtf8(file), data});
    return parts;
}

const char sheetHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";

// Elements of that name nested depth deep around the inner text, numbered, so that the text
// compresses no better than a real part's.
QByteArray nested(const QByteArray &name, int depth, const QByteArray &inner = QByteArray())
{
    QByteArray text;
    for (int i = 1; i <= depth; ++i)
        text += '<' + name + " i=\"" + QByteArray::number(i) + "\">";
    return text + inner + ("</" + name + '>').repeated(depth);
}

// The pieces of a worksheet of about size bytes, handed out one after another, then nothing.
std::function<QByteArray()> bigSheet(qint64 size)
{
    struct State
    {
        qint64 made = 0;
        int rows = 0;
        bool done = false;
    };
    auto state = std::make_shared<State>();
    return [=]() {
        if (state->done)
            return QByteArray();
        QByteArray piece = state->made == 0 ? QByteArray(sheetHead) + "<sheetData>" : QByteArray();
        while (piece.size() < (1 << 20) && state->made + piece.size() < size) {
            const QByteArray n = QByteArray::number(++state->rows);
            piece += "<row r=\"" + n + "\"><c r=\"A" + n + "\" t=\"inlineStr\"><is><t>" + QByteArray(300, 'a')
                + "</t></is></c><c r=\"B" + n + "\"><v>" + n + "</v></c></row>";
        }
        state->made += piece.size();
        if (state->made >= size) {
            piece += "</sheetData></worksheet>";
            state->done = true;
        }
        return piece;
    };
}

} // namespace

class XlsxErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void damagedArchiveEntry();
    void unreadSheetsAreCopiedAsStored();
    void cellsPastTheBoundAreRefused();
    void readingTakesWhatTheCellsTake();
    void deeplyNestedRuns();
    void failedSaveLeavesFilesAlone();
    void sheetSelection();
    void emptyRootsTakeNewContent();
    void cellTablesInAnyXmlForm_data();
    void cellTablesInAnyXmlForm();
    void partsInUtf16();

private:
    QString m_valid;
    Parts m_parts;
    QTemporaryDir m_dir;
};

void XlsxErrorsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_valid = m_dir.filePath(QStringLiteral("valid.xlsx"));
    Document xlsx;
    QVERIFY(xlsx.write("A1", QStringLiteral("text")));
    QVERIFY(xlsx.write("B2", 2.5));
    QVERIFY(xlsx.saveAs(m_valid));
    m_parts = partsOf(m_valid);
    QVERIFY(m_parts.size() >= 6);
}

void XlsxErrorsTest::brokenFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // file bytes, or empty to build a zip from parts
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QString>("message");

    const QString sheet = QStringLiteral("xl/worksheets/sheet1.xml");
    const QByteArray head(sheetHead);
    auto withRows = [&](const QByteArray &rows) { // the sheet with these rows as its cells
        return replaced(m_parts, sheet, head + "<sheetData>" + rows + "</sheetData></worksheet>");
    };
    QTest::newRow("text file") << QByteArray("just some text, no archive\n") << Parts() << "not a zip archive";
    QTest::newRow("empty file") << QByteArray("") << Parts() << "not a zip archive";
    QTest::newRow("truncated archive") << readFile(m_valid).left(readFile(m_valid).size() / 2) << Parts()
                                       << "not a zip archive";
    QTest::newRow("no content types") << QByteArray() << without(m_parts, "[Content_Types].xml")
                                      << "[Content_Types].xml is missing";
    QTest::newRow("no package relationships") << QByteArray() << without(m_parts, "_rels/.rels") << "_rels/.rels";
    QTest::newRow("no workbook part") << QByteArray() << without(m_parts, "xl/workbook.xml")
                                      << "workbook part xl/workbook.xml is missing";
    QTest::newRow("broken workbook xml") << QByteArray() << replaced(m_parts, "xl/workbook.xml", "<workbook><sheets>")
                                         << "xl/workbook.xml";
    QTest::newRow("sheet part missing") << QByteArray() << without(m_parts, sheet) << "refers to the missing part";
    QTest::newRow("styles part missing") << QByteArray() << without(m_parts, "xl/styles.xml")
                                         << "styles part styles.xml is missing";
    QTest::newRow("broken styles") << QByteArray() << replaced(m_parts, "xl/styles.xml", "<styleSheet><fonts>")
                                   << "xl/styles.xml";
    QTest::newRow("malformed sheet") << QByteArray()
                                     << replaced(m_parts, sheet, head + "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></row>")
                                     << "sheet \"Sheet1\"";
    QTest::newRow("not a worksheet") << QByteArray() << replaced(m_parts, sheet, "<chartsheet/>")
                                     << "not a worksheet";
    QTest::newRow("no cell table") << QByteArray() << replaced(m_parts, sheet, head + "</worksheet>") << "sheetData";
    QTest::newRow("unknown shared string")
        << QByteArray() << withRows("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c></row>") << "shared string \"7\"";
    QTest::newRow("number that is none")
        << QByteArray() << withRows("<row r=\"1\"><c r=\"A1\"><v>12,5</v></c></row>")
        << "A1 holds \"12,5\", which is not a number";
    QTest::newRow("cell in the wrong row")
        << QByteArray() << withRows("<row r=\"2\"><c r=\"A1\"><v>1</v></c></row>") << "\"A1\" does not belong to row 2";
    QTest::newRow("row outside the sheet")
        << QByteArray() << withRows("<row r=\"1048577\"/>") << "row number 1048577";
    Parts twice = m_parts;
    twice.append({"XL/Styles.xml", partOf(m_parts, "xl/styles.xml")});
    QTest::newRow("two parts named alike") << QByteArray() << twice
                                           << "the archive holds the parts xl/styles.xml and XL/Styles.xml";
    QTest::newRow("cell closed by the wrong tag")
        << QByteArray() << withRows("<row r=\"1\">\n<c r=\"A1\"><v>1</v></x>\n</row>")
        << "the end tag x closes no open element of its name (line 2)";
    QTest::newRow("unknown entity") << QByteArray() << withRows("<row r=\"1\"><c r=\"A1\" t=\"str\"><v>&nbsp;</v></c></row>")
                                    << "the entity &nbsp; is not defined";
    QTest::newRow("character reference to nothing")
        << QByteArray() << withRows("<row r=\"1\"><c r=\"A1\" t=\"str\"><v>&#0;</v></c></row>") << "&#0; is not allowed";
    QTest::newRow("unquoted attribute") << QByteArray() << withRows("<row r=1><c r=\"A1\"><v>1</v></c></row>")
                                        << "an attribute value is not quoted";
    QTest::newRow("repeated attribute") << QByteArray() << withRows("<row r=\"1\" r=\"1\"/>")
                                        << "an attribute is repeated";
    QTest::newRow("control character in a name")
        << QByteArray() << withRows("<row " + QByteArray(1, '\x01') + "r=\"1\"/>") << "an attribute name is malformed";
    QTest::newRow("control character in a text")
        << QByteArray() << withRows("<row r=\"1\"><c r=\"A1\" t=\"str\"><v>a" + QByteArray(1, '\0') + "b</v></c></row>")
        << "the text holds the control character 0x00";
    QTest::newRow("unclosed comment") << QByteArray() << withRows("<row r=\"1\"/><!-- open") << "a comment is not closed";
    QTest::newRow("table not closed")
        << QByteArray() << replaced(m_parts, sheet, head + "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>")
        << "not closed";
    // Whatever follows a part's root element makes the part malformed.
    const QByteArray styles = partOf(m_parts, "xl/styles.xml");
    QTest::newRow("styles, then more") << QByteArray() << replaced(m_parts, "xl/styles.xml", styles + "<colors/>")
                                       << "xl/styles.xml: Extra content at end of document";
    QTest::newRow("sheet, then more")
        << QByteArray() << replaced(m_parts, sheet, partOf(m_parts, sheet) + "<sheetData/>") << "Extra content";
    QTest::newRow("relationships, then more")
        << QByteArray()
        << replaced(m_parts, "xl/_rels/workbook.xml.rels", partOf(m_parts, "xl/_rels/workbook.xml.rels") + "text")
        << "workbook relationships are missing or damaged";
    // Ids and parts that stand for two things: saving drops the calc chain by its Id and part and
    // writes each sheet to its part, which would take the other along or overwrite it.
    const QString rels = QStringLiteral("xl/_rels/workbook.xml.rels");
    const QPair<QString, QByteArray> chainPart = {
        "xl/calcChain.xml",
        "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><c r=\"A1\" i=\"1\"/></calcChain>"};
    auto withRelationships = [&](const QByteArray &more) { // and the calc chain's part
        const QByteArray part = partOf(m_parts, rels).replace("</Relationships>", more + "</Relationships>");
        return replaced(m_parts, rels, part) << chainPart;
    };
    auto calcChain = [](const QByteArray &id, const QByteArray &target) {
        return "<Relationship" + id + " Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
               "calcChain\" Target=\"" + target + "\"/>";
    };
    QTest::newRow("calc chain under the sheet's Id")
        << QByteArray() << withRelationships(calcChain(" Id=\"rId1\"", "calcChain.xml"))
        << "workbook relationships are missing or damaged: xl/_rels/workbook.xml.rels: "
           "the Id \"rId1\" is given to two relationships (line 2)";
    QTest::newRow("relationship without an Id")
        << QByteArray() << withRelationships(calcChain("", "calcChain.xml")) << "rels: a relationship has no Id";
    QTest::newRow("two calc chains")
        << QByteArray()
        << withRelationships(calcChain(" Id=\"rId8\"", "calcChain.xml") + calcChain(" Id=\"rId9\"", "calcChain.xml"))
        << "xl/_rels/workbook.xml.rels lists more than one calculation chain";
    QTest::newRow("calc chain that is the sheet")
        << QByteArray() << withRelationships(calcChain(" Id=\"rId9\"", "worksheets/sheet1.xml"))
        << "the part xl/worksheets/sheet1.xml is both the calculation chain and sheet \"Sheet1\"";
    QTest::newRow("calc chain that is the package relationships")
        << QByteArray() << withRelationships(calcChain(" Id=\"rId9\"", "../_rels/.rels"))
        << "the part _rels/.rels is both the package relationships and the calculation chain";
    QTest::newRow("two sheets under one Id")
        << QByteArray()
        << replaced(m_parts, "xl/workbook.xml",
                    partOf(m_parts, "xl/workbook.xml")
                        .replace("</sheets>", "<sheet name=\"Copy\" sheetId=\"2\" r:id=\"rId1\"/></sheets>"))
        << "the part xl/worksheets/sheet1.xml is both sheet \"Sheet1\" and sheet \"Copy\"";

    // Archives that lie about their entries: refused before or while decompressing, in little memory.
    using namespace HostileZip;
    Entry huge = deflated(sheet.toUtf8(), "tiny");
    huge.size = 0x80000000u;
    QTest::newRow("sheet declaring 2 GiB") << archiveOf(m_parts, huge) << Parts()
                                           << "xl/worksheets/sheet1.xml declares 2147483648 bytes";
    QTest::newRow("sheet inflating past its size")
        << archiveOf(m_parts, zeros(sheet.toUtf8(), qint64(256) << 20, 10)) << Parts()
        << "xl/worksheets/sheet1.xml is damaged";
    // Parts read whole are bounded by what they declare; worksheets, read as they are
    // decompressed, only far above that.
    Entry large = deflated("xl/styles.xml", "tiny");
    large.size = 300u << 20;
    QTest::newRow("styles declaring 300 MiB") << archiveOf(m_parts, large) << Parts()
                                              << "styles.xml declares 314572800 bytes, more than 268435456";
    Entry larger = deflated(sheet.toUtf8(), "tiny");
    larger.size = 3u << 30;
    QTest::newRow("sheet declaring 3 GiB") << archiveOf(m_parts, larger) << Parts()
                                           << "sheet1.xml declares 3221225472 bytes, more than 2147483648";
    Entry ratio = deflated(sheet.toUtf8(), "");
    ratio.data = QByteArray(512 << 10, 'x');
    ratio.size = 200u << 20;
    QTest::newRow("200 MiB sheet from 512 KiB") << archiveOf(m_parts, ratio) << Parts()
                                                << "declares 209715200 bytes from 524288 compressed ones";
    QList<Entry> big = {deflated("a.bin", ""), deflated("b.bin", ""), deflated("c.bin", "")};
    for (Entry &entry : big) {
        entry.data = QByteArray(4 << 20, 'x');
        entry.size = 200u << 20;
    }
    QTest::newRow("parts over 384 MiB in all") << HostileZip::archive(big) << Parts()
                                               << "the archive entries declare more than 402653184 bytes";
    // Honest parts, each within the bounds and compressed far less than the ratio allows: the
    // workbook is refused before any of them is decompressed.
    QList<Entry> blobs;
    for (const auto &part : m_parts)
        blobs.append(deflated(part.first.toUtf8(), part.second));
    Entry blob = streamed("xl/media/blob.bin", bigSheet(20 << 20));
    for (int i = 1; i <= 20; ++i) {
        blob.name = "xl/media/blob" + QByteArray::number(i) + ".bin";
        blobs.append(blob);
    }
    QTest::newRow("parts inflating to 400 MiB in all") << HostileZip::archive(blobs) << Parts()
                                                       << "the archive entries declare more than 402653184 bytes";

    // Elements nested far beyond any style's need are refused, not followed down the stack.
    const QByteArray styleHead = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    QTest::newRow("font nested 35,000 deep")
        << QByteArray()
        << replaced(m_parts, "xl/styles.xml", styleHead + "<fonts count=\"1\"><font>" + nested("b", 35000) + "</font></fonts></styleSheet>")
        << "xl/styles.xml: elements nest deeper than 32 levels (line 1)";
    QTest::newRow("alignment nested 35,000 deep")
        << QByteArray()
        << replaced(m_parts, "xl/styles.xml",
                    styleHead + "<cellXfs count=\"1\"><xf numFmtId=\"0\"><alignment>" + nested("x", 35000)
                        + "</alignment></xf></cellXfs></styleSheet>")
        << "xl/styles.xml: elements nest deeper than 32 levels (line 1)";
    // So are tables of more entries than Excel allows, which would take far more memory than XML.
    QTest::newRow("70,000 fonts")
        << QByteArray() << replaced(m_parts, "xl/styles.xml", styleHead + "<fonts>" + QByteArray("<font/>").repeated(70000) + "</fonts></styleSheet>")
        << "xl/styles.xml: fonts has more than 65536 entries (line 1)";
    QTest::newRow("70,000 cell formats")
        << QByteArray() << replaced(m_parts, "xl/styles.xml", styleHead + "<cellXfs>" + QByteArray("<xf/>").repeated(70000) + "</cellXfs></styleSheet>")
        << "xl/styles.xml: cellXfs has more than 65536 entries (line 1)";
    Entry shortSheet = deflated(sheet.toUtf8(), "<worksheet/>");
    shortSheet.size += 100;
    QTest::newRow("sheet shorter than declared") << archiveOf(m_parts, shortSheet) << Parts()
                                                 << "xl/worksheets/sheet1.xml is damaged";
}

void XlsxErrorsTest::brokenFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(Parts, parts);
    QFETCH(QString, message);
    const MemoryGrowth memory;
    const QString file = m_dir.filePath(QStringLiteral("broken.xlsx"));
    QFile::remove(file);
    if (parts.isEmpty())
        QVERIFY(writeFile(file, content));
    else
        QVERIFY(writeFile(file, archiveOf(parts)));
    const QByteArray bytes = readFile(file);

    Document xlsx(file);
    QVERIFY(!xlsx.isLoadPackage());
    QVERIFY2(xlsx.errorString().contains(message), qPrintable(xlsx.errorString()));
    QVERIFY(xlsx.errorString().contains(file));
    QVERIFY(!xlsx.currentWorksheet());
    QVERIFY(xlsx.sheetNames().isEmpty());
    QVERIFY(!xlsx.write("A1", 1));
    QVERIFY(xlsx.errorString().startsWith(QStringLiteral("no workbook is open")));
    QVERIFY(!xlsx.read("A1").isValid());
    QVERIFY(!xlsx.save());
    const QString copy = m_dir.filePath(QStringLiteral("copy.xlsx"));
    QVERIFY(!xlsx.saveAs(copy));
    QVERIFY(xlsx.errorString().contains(message));
    QVERIFY(!QFile::exists(copy));
    QCOMPARE(readFile(file), bytes); // the broken file stays as it was
    QVERIFY2(memory.bytes() < (qint64(64) << 20), qPrintable(memory.text()));
}

void XlsxErrorsTest::damagedArchiveEntry()
{
    // A workbook with a big, compressible sheet; some of its compressed bytes overwritten.
    const QString file = m_dir.filePath(QStringLiteral("damaged.xlsx"));
    {
        Document xlsx;
        for (int row = 1; row <= 2000; ++row)
            QVERIFY(xlsx.write(row, 1, row * 3));
        QVERIFY(xlsx.saveAs(file));
    }
    QByteArray bytes = readFile(file);
    const int header = bytes.indexOf("xl/worksheets/sheet1.xml");
    QVERIFY(header > 0);
    for (int i = header + 200; i < header + 260; ++i)
        bytes[i] = char(bytes[i] ^ 0x5A);
    QVERIFY(writeFile(file, bytes));
    Document xlsx(file);
    QVERIFY(!xlsx.isLoadPackage());
    QVERIFY2(xlsx.errorString().contains(QStringLiteral("xl/worksheets/sheet1.xml is damaged")),
             qPrintable(xlsx.errorString()));
    QCOMPARE(readFile(file), bytes);
}

void XlsxErrorsTest::unreadSheetsAreCopiedAsStored()
{
    // A second sheet of 64 MiB that is never selected: opening and saving the workbook holds
    // only its compressed data, which the saved file takes over as it stands.
    const HostileZip::Entry big = HostileZip::streamed("xl/worksheets/big.xml", bigSheet(64 << 20));
    const QString file = m_dir.filePath(QStringLiteral("big.xlsx"));
    QVERIFY(writeFile(file, archiveOf(withSheet(m_parts, "Big", "big.xml", QByteArray()), big)));
    {
        const MemoryGrowth memory;
        Document xlsx(file);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.sheetNames(), (QStringList{"Sheet1", "Big"}));
        QVERIFY(xlsx.write("A1", QStringLiteral("changed")));
        QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));
        QVERIFY2(memory.bytes() < (qint64(16) << 20), qPrintable(memory.text()));
    }
    QVERIFY(readFile(file).contains(big.data));
    Document reopened(file);
    QVERIFY2(reopened.isLoadPackage(), qPrintable(reopened.errorString()));
    QCOMPARE(reopened.read("A1").toString(), QStringLiteral("changed"));
    QVERIFY(reopened.selectSheet(QStringLiteral("Big")));
    const CellRange used = reopened.dimension();
    QVERIFY(used.lastRow() > 150000);
    QCOMPARE(reopened.read(used.lastRow(), 2).toLongLong(), qlonglong(used.lastRow()));
    QCOMPARE(reopened.read(used.lastRow(), 1).toString(), QString(300, QLatin1Char('a')));

    // Damage in a part that opening does not read is still found when opening.
    QByteArray bytes = readFile(file);
    const int at = bytes.indexOf(big.data);
    for (int i = at + big.data.size() / 2; i < at + big.data.size() / 2 + 64; ++i)
        bytes[i] = char(bytes[i] ^ 0x5A);
    QVERIFY(writeFile(file, bytes));
    Document damaged(file);
    QVERIFY(!damaged.isLoadPackage());
    QVERIFY2(damaged.errorString().contains(QStringLiteral("xl/worksheets/big.xml is damaged")),
             qPrintable(damaged.errorString()));
}

void XlsxErrorsTest::cellsPastTheBoundAreRefused()
{
    // Blank cells take 4 bytes of XML and 24 once read. Two sheets of 12 million (283 MiB once
    // read): the first is read, the second would take the workbook past its 512 MiB and is
    // refused.
    QByteArray blank = sheetHead + QByteArray("<sheetData>");
    const QByteArray row = "<row>" + QByteArray("<c/>").repeated(16384) + "</row>";
    for (int i = 0; i < 720; ++i)
        blank += row;
    QByteArray noise(256 << 10, Qt::Uninitialized); // so that it compresses no better than real parts
    QRandomGenerator(29).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    blank += "</sheetData><!--" + noise.toHex() + "--></worksheet>";
    const QString file = m_dir.filePath(QStringLiteral("blank.xlsx"));
    QVERIFY(writeFile(file, archiveOf(withSheet(replaced(m_parts, "xl/worksheets/sheet1.xml", blank), "More",
                                                "more.xml", blank))));
    blank.clear();

    const MemoryGrowth memory;
    Document xlsx(file);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.dimension().lastRow(), 720);
    QVERIFY(!xlsx.selectSheet(QStringLiteral("More")));
    QVERIFY2(xlsx.errorString().contains(QStringLiteral("sheet \"More\" (xl/worksheets/more.xml): the workbook's sheets "
                                                        "hold more rows and cells than the 512 MiB they may take once read")),
             qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.currentWorksheet()->sheetName(), QStringLiteral("Sheet1"));
    QVERIFY2(memory.bytes() < (qint64(576) << 20), qPrintable(memory.text()));
}

void XlsxErrorsTest::readingTakesWhatTheCellsTake()
{
    // What this library writes, read again: 20,000 rows of ten cells of every kind the table
    // exports write (bench_xlsx reads a million). It takes what its cells, rows and texts take,
    // not several times the sheet's XML.
    const int rows = 20000;
    const QString file = m_dir.filePath(QStringLiteral("written.xlsx"));
    {
        Document xlsx;
        Format money;
        money.setNumberFormat(QStringLiteral("0.00"));
        for (int column = 1; column <= 10; ++column)
            QVERIFY(xlsx.write(1, column, QStringLiteral("Column %1").arg(column)));
        for (int i = 0; i < rows; ++i) {
            const int row = i + 2;
            xlsx.write(row, 1, i + 1);
            xlsx.write(row, 2, QStringLiteral("D%1").arg(i % 1000));
            xlsx.write(row, 3, QStringLiteral("Driver %1 Petrenko").arg(i));
            xlsx.write(row, 4, i * 0.25 - 1000, money);
            xlsx.write(row, 5, QDate(2024, 1, 1).addDays(i % 365));
            xlsx.write(row, 6, QStringLiteral("busy"));
            xlsx.write(row, 7, i % 97);
            xlsx.write(row, 8, 4.0 + (i % 10) / 10.0);
            xlsx.write(row, 9, QStringLiteral("Kyiv"));
            xlsx.write(row, 10, i * 1.5, money);
        }
        QVERIFY2(xlsx.saveAs(file), qPrintable(xlsx.errorString()));
    }
    const qint64 cells = qint64(rows + 1) * 10;
    qint64 perCell = 0;
    {
        const MemoryGrowth memory;
        Document xlsx(file);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.dimension().toString(), QStringLiteral("A1:J20001"));
        QCOMPARE(xlsx.read(20001, 3).toString(), QStringLiteral("Driver 19999 Petrenko"));
        QCOMPARE(xlsx.read(20001, 10).toDouble(), 19999 * 1.5);
        perCell = memory.bytes() / cells;
        QVERIFY2(perCell < 80, qPrintable(memory.text() + QStringLiteral(", %1 bytes a cell").arg(perCell)));
    }

    // A sheet whose part is mostly what is not kept (100 MiB of extensions after a few cells)
    // takes about its compressed data: the part is never held whole.
    QByteArray extensions; // 1 MiB, which compresses as a real part does
    for (int i = 1; extensions.size() < (1 << 20); ++i)
        extensions += "<ext uri=\"{" + QByteArray::number(i) + "}\"/>";
    auto cellsThenExtensions = [state = std::make_shared<int>(0), extensions]() {
        const int piece = (*state)++;
        if (piece == 0)
            return QByteArray(sheetHead) + "<sheetData><row r=\"1\"><c r=\"A1\"><v>7</v></c></row></sheetData><extLst>";
        if (piece <= 100)
            return extensions;
        return piece == 101 ? QByteArray("</extLst></worksheet>") : QByteArray();
    };
    const HostileZip::Entry extended = HostileZip::streamed("xl/worksheets/sheet1.xml", cellsThenExtensions);
    QVERIFY(extended.size > (100u << 20));
    const QString big = m_dir.filePath(QStringLiteral("extended.xlsx"));
    QVERIFY(writeFile(big, archiveOf(m_parts, extended)));
    {
        const MemoryGrowth memory;
        Document xlsx(big);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.read("A1").toLongLong(), 7);
        QVERIFY2(memory.bytes() < QFileInfo(big).size() + (qint64(24) << 20), qPrintable(memory.text()));
        // Saved, the extensions come along as they were.
        QVERIFY(xlsx.write("B1", 8));
        QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));
    }
    Document reopened(big);
    QVERIFY2(reopened.isLoadPackage(), qPrintable(reopened.errorString()));
    QCOMPARE(reopened.read("B1").toLongLong(), 8);
    const QByteArray saved = XlsxTest::entry(big, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY(saved.endsWith(extensions + "</extLst></worksheet>"));
}

void XlsxErrorsTest::deeplyNestedRuns()
{
    // Runs within runs and text within text, far deeper than any program writes them, in shared
    // and inline strings: read without recursion, kept when the workbook is saved.
    const QByteArray runs = nested("r", 400000, "<t>deep</t>");
    const QByteArray strings = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                               "<si><t>text</t></si><si>" + runs + "</si><si><t>a" + nested("b", 400000, "b")
        + "c</t></si></sst>";
    const QByteArray sheet = sheetHead + QByteArray("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c>"
                                                   "<c r=\"B1\" t=\"s\"><v>2</v></c><c r=\"C1\" t=\"inlineStr\"><is>")
        + runs + "</is></c></row></sheetData></worksheet>";
    const QString file = m_dir.filePath(QStringLiteral("runs.xlsx"));
    QVERIFY(writeFile(file, archiveOf(replaced(replaced(m_parts, "xl/sharedStrings.xml", strings),
                                               "xl/worksheets/sheet1.xml", sheet))));
    for (int round = 0; round < 2; ++round) {
        Document xlsx(file);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.read("A1").toString(), QStringLiteral("deep"));
        QCOMPARE(xlsx.read("B1").toString(), QStringLiteral("abc"));
        QCOMPARE(xlsx.read("C1").toString(), QStringLiteral("deep"));
        QVERIFY(xlsx.write("D1", 4));
        QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));
    }
    QVERIFY(XlsxTest::entry(file, QStringLiteral("xl/worksheets/sheet1.xml")).contains(runs));
}

void XlsxErrorsTest::failedSaveLeavesFilesAlone()
{
    const QString folder = m_dir.filePath(QStringLiteral("save"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/taken.xlsx")));
    const QString target = folder + QStringLiteral("/report.xlsx");
    QVERIFY(QFile::copy(m_valid, target));
    const QByteArray before = readFile(target);

    Document xlsx(target);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QVERIFY(xlsx.write("A1", QStringLiteral("changed")));
    QVERIFY(!xlsx.saveAs(folder + QStringLiteral("/taken.xlsx"))); // a folder stands there
    QVERIFY(xlsx.errorString().contains(QStringLiteral("cannot save")));
    QVERIFY(!xlsx.saveAs(folder + QStringLiteral("/missing/report.xlsx")));
    QVERIFY(!xlsx.saveAs(QString()));
    QCOMPARE(readFile(target), before);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"report.xlsx", "taken.xlsx"})); // no temporary files left behind

    QVERIFY(xlsx.save()); // in place, replacing the file whole
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"report.xlsx", "taken.xlsx"}));
    Document reopened(target);
    QCOMPARE(reopened.read("A1").toString(), QStringLiteral("changed"));
    QCOMPARE(reopened.read("B2").toDouble(), 2.5);
}

void XlsxErrorsTest::sheetSelection()
{
    Document xlsx(m_valid);
    QVERIFY(xlsx.isLoadPackage());
    QVERIFY(!xlsx.selectSheet(QStringLiteral("Missing")));
    QVERIFY(xlsx.errorString().contains(QStringLiteral("Missing")));
    QVERIFY(!xlsx.selectSheet(3));
    QVERIFY(xlsx.selectSheet(QStringLiteral("sheet1"))); // names match without regard to case
    QCOMPARE(xlsx.currentWorksheet()->sheetName(), QStringLiteral("Sheet1"));
}

void XlsxErrorsTest::emptyRootsTakeNewContent()
{
    // A style sheet or a content type list written as an empty element: new styles and parts go
    // into it, and the saved workbook opens again. The workbook has no shared strings yet.
    const QString numbers = m_dir.filePath(QStringLiteral("numbers.xlsx"));
    {
        Document xlsx;
        QVERIFY(xlsx.write("A1", 1));
        QVERIFY(xlsx.saveAs(numbers));
    }
    const Parts base = partsOf(numbers);
    QVERIFY(partOf(base, "xl/sharedStrings.xml").isEmpty());
    const QByteArray emptyStyles = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"/>";
    const QByteArray emptyTypes = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>";
    for (const auto &[name, empty] : {std::pair<QString, QByteArray>{"xl/styles.xml", emptyStyles},
                                      std::pair<QString, QByteArray>{"[Content_Types].xml", emptyTypes}}) {
        const QString file = m_dir.filePath(QStringLiteral("empty-root.xlsx"));
        QVERIFY(writeFile(file, archiveOf(replaced(base, name, empty))));
        {
            Document xlsx(file);
            QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
            Format bold;
            bold.setFontBold(true);
            QVERIFY(xlsx.write("C3", QStringLiteral("bold"), bold));
            QVERIFY(xlsx.write("C4", QStringLiteral("shared")));
            QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));
        }
        Document reopened(file);
        QVERIFY2(reopened.isLoadPackage(), qPrintable(reopened.errorString()));
        QCOMPARE(reopened.read("C3").toString(), QStringLiteral("bold"));
        QVERIFY(reopened.cellAt(3, 3).format().fontBold());
        const QByteArray saved = XlsxTest::entry(file, name);
        QVERIFY2(saved.startsWith(empty.chopped(2) + '>'), saved.constData());
        if (name == QLatin1String("xl/styles.xml")) {
            QString error;
            const QJsonObject dump = XlsxTest::dump(file, &error);
            QVERIFY2(!dump.isEmpty(), qPrintable(error));
            QVERIFY(XlsxTest::cell(dump, "Sheet1", "C3").value("b").toBool());
        }
    }
}

void XlsxErrorsTest::cellTablesInAnyXmlForm_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("entities") << QByteArray("<row r=\"1\"><c r=\"A1\" t=\"str\"><v>a &lt;b&gt; &amp; &quot;c&quot; &apos;</v></c></row>")
                              << "A1" << QVariant("a <b> & \"c\" '");
    QTest::newRow("character references") << QByteArray("<row r=\"1\"><c r=\"B1\" t=\"str\"><v>&#1046;&#x44F;&#x1F600;</v></c></row>")
                                          << "B1" << QVariant(QString::fromUtf8("Жя\xF0\x9F\x98\x80"));
    QTest::newRow("CDATA and comments") << QByteArray("<row r=\"1\"><!-- a row --><c r=\"C1\" t=\"str\"><v><![CDATA[<x>]]>y<!--z--></v></c><?pi?></row>")
                                        << "C1" << QVariant("<x>y");
    QTest::newRow("prefixes and single quotes") << QByteArray("<x:row r='2'><x:c r='D2'><x:v>7</x:v></x:c></x:row>")
                                                << "D2" << QVariant(qlonglong(7));
    QTest::newRow("white space in tags") << QByteArray("<row\n r = \"3\" ><c\tr=\"E3\" s=\"0\" ><v >2.5</v ></c ></row >")
                                         << "E3" << QVariant(2.5);
    QTest::newRow("inline string with runs") << QByteArray("<row r=\"1\"><c r=\"F1\" t=\"inlineStr\"><is><r><t>a</t></r><rPh><t>x</t></rPh><r><t xml:space=\"preserve\"> b</t></r></is></c></row>")
                                             << "F1" << QVariant("a b");
    QTest::newRow("self-closing rows and cells") << QByteArray("<row r=\"1\"/><row r=\"2\"><c r=\"G2\"/><c r=\"H2\"><v>1</v></c></row>")
                                                 << "H2" << QVariant(qlonglong(1));
    QTest::newRow("unknown elements") << QByteArray("<row r=\"1\"><extLst><ext><c r=\"A9\"/></ext></extLst><c r=\"I1\"><v>3</v></c></row>")
                                      << "I1" << QVariant(qlonglong(3));
}

void XlsxErrorsTest::cellTablesInAnyXmlForm()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, cell);
    QFETCH(QVariant, value);
    const QString sheet = QStringLiteral("xl/worksheets/sheet1.xml");
    const QByteArray part = QByteArray(sheetHead).replace("<worksheet ", "<worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" ")
        + "<sheetData>" + rows + "</sheetData></worksheet>";
    const QString file = m_dir.filePath(QStringLiteral("forms.xlsx"));
    QVERIFY(writeFile(file, archiveOf(replaced(m_parts, sheet, part))));
    {
        Document xlsx(file);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.read(cell), value);
        // A change elsewhere keeps the rows as they were written.
        QVERIFY(xlsx.write("Z100", 1));
        QVERIFY(xlsx.save());
    }
    const QByteArray saved = XlsxTest::entry(file, sheet);
    const QByteArray firstRow = rows.left(rows.indexOf("</row>") + 6);
    if (rows.startsWith("<row r=\"1\"><"))
        QVERIFY2(saved.contains(firstRow), saved.constData());
    Document reopened(file);
    QCOMPARE(reopened.read(cell), value);
}

void XlsxErrorsTest::partsInUtf16()
{
    // No spreadsheet program writes them, but XML may be UTF-16: such a sheet and string table
    // are read, and written back as UTF-8 that says so.
    const auto utf16 = [](const QString &xml) {
        QByteArray bytes("\xFF\xFE", 2);
        for (const QChar c : xml)
            bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
        return bytes;
    };
    const QString declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>");
    const QString strings = declaration
        + QStringLiteral("<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>Жовтень</t></si></sst>");
    const QString sheet = declaration + QString::fromUtf8(sheetHead).mid(QString::fromUtf8(sheetHead).indexOf("<worksheet"))
        + QStringLiteral("<sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><v>2.5</v></c></row></sheetData></worksheet>");
    Parts parts = replaced(m_parts, "xl/worksheets/sheet1.xml", utf16(sheet));
    parts = replaced(parts, "xl/sharedStrings.xml", utf16(strings));
    const QString file = m_dir.filePath(QStringLiteral("utf16.xlsx"));
    QVERIFY(writeFile(file, archiveOf(parts)));
    {
        Document xlsx(file);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        QCOMPARE(xlsx.read("A1").toString(), QString::fromUtf8("Жовтень"));
        QCOMPARE(xlsx.read("B1").toDouble(), 2.5);
        QVERIFY(xlsx.write("C1", QString::fromUtf8("Листопад")));
        QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));
    }
    const QByteArray saved = XlsxTest::entry(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY2(saved.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), saved.left(60).constData());
    QVERIFY(saved.contains("<c r=\"B1\"><v>2.5</v></c>"));
    Document reopened(file);
    QVERIFY2(reopened.isLoadPackage(), qPrintable(reopened.errorString()));
    QCOMPARE(reopened.read("A1").toString(), QString::fromUtf8("Жовтень"));
    QCOMPARE(reopened.read("C1").toString(), QString::fromUtf8("Листопад"));
}

QTEST_GUILESS_MAIN(XlsxErrorsTest)
#include "tst_xlsxerrors.moc"
