// Cell addressing, values, formats and formulas through the public API, in memory and after
// a save and reopen.
#include "xlsx/document.h"

#include <QTemporaryDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <random>
#include <private/qzipreader_p.h>
#include <private/qzipwriter_p.h>

#include <cmath>
#include <limits>

using namespace Xlsx;

class XlsxCellsTest : public QObject
{
    Q_OBJECT

private slots:
    void referencesAndRanges();
    void valuesSurviveSaveAndReopen();
    void badValuesAreRefusedAndChangeNothing();
    void datesUseTheSerialsOfTheWorkbook();
    void workbookOfThe1904System();
    void formatsAreKeptCopiedAndChanged();
    void fontChangesLeaveTheDefaultFontAlone();
    void sharedFormulaReadsRelatively();
    void rowsColumnsAndMerges();
    void mergesRefuseExactlyTheOverlaps();
    void cellsWrittenInAnyOrder();
    void largeSheetKeepsUnchangedRowsAndChangedOnes();

private:
    QTemporaryDir m_dir;
};

void XlsxCellsTest::referencesAndRanges()
{
    QCOMPARE(CellReference("D4").row(), 4);
    QCOMPARE(CellReference("D4").column(), 4);
    QCOMPARE(CellReference("$xfd$1048576").toString(), QStringLiteral("XFD1048576"));
    QCOMPARE(CellReference(18, 16).toString(true, true), QStringLiteral("$P$18"));
    QCOMPARE(CellReference::columnName(703), QStringLiteral("AAA"));
    QCOMPARE(CellReference::columnNumber(u"AAA"), 703);
    for (const char *bad : {"", "D", "4", "D0", "D04", "XFE1", "A1048577", "A1B", "ABCD1", "Ж5"})
        QVERIFY2(!CellReference(bad).isValid(), bad);
    QVERIFY(!CellReference(0, 1).isValid());
    QVERIFY(!CellReference(1, 16385).isValid());

    const CellRange range("D18:P18");
    QCOMPARE(range.firstRow(), 18);
    QCOMPARE(range.firstColumn(), 4);
    QCOMPARE(range.lastColumn(), 16);
    QCOMPARE(range.columnCount(), 13);
    QCOMPARE(CellRange("P20:D18"), CellRange("D18:P20")); // reversed ranges are normalised
    QCOMPARE(CellRange(20, 16, 18, 4).toString(), QStringLiteral("D18:P20"));
    QCOMPARE(CellRange("B7").toString(), QStringLiteral("B7"));
    QVERIFY(!CellRange("A1:").isValid());
    QVERIFY(!CellRange("A0:B2").isValid());
    QVERIFY(CellRange("A1:C3").intersects(CellRange("C3:D4")));
    QVERIFY(!CellRange("A1:C3").intersects(CellRange("D1:D4")));

    const CellFormula formula("=SUM(B%1:E%1)", CellRange("F12:F20"), CellFormula::SharedType);
    QCOMPARE(formula.formulaText(), QStringLiteral("SUM(B%1:E%1)"));
    QCOMPARE(formula.formulaType(), CellFormula::SharedType);
    QVERIFY(!CellFormula(" = ").isValid());
}

void XlsxCellsTest::valuesSurviveSaveAndReopen()
{
    const QString path = m_dir.filePath(QStringLiteral("values.xlsx"));
    {
        Document xlsx;
        QVERIFY(xlsx.isLoadPackage());
        QVERIFY(xlsx.write(1, 1, QStringLiteral("=1+1")));
        QVERIFY(xlsx.write("B1", QStringLiteral("http://example.com/x?a=1&b=<2>")));
        QVERIFY(xlsx.write("C1", std::numeric_limits<qint64>::max()));
        QVERIFY(xlsx.write("D1", std::numeric_limits<qint64>::min()));
        QVERIFY(xlsx.write("E1", 0.1 + 0.2));
        QVERIFY(xlsx.write("F1", true));
        QVERIFY(xlsx.write("G1", QStringLiteral(" spaced\ttext \n")));
        QVERIFY(xlsx.write("H1", QString::fromUtf8("ctl\x01\x1f_x0041_ \xF0\x9F\x9A\x95 Ёж") + QChar(0xFFFE)));
        QVERIFY(xlsx.write("I1", QString(QChar(0xD800)) + QStringLiteral("lone")));
        QVERIFY(xlsx.write("J1", QStringLiteral("line\r\nbreak")));
        QVERIFY(xlsx.write("K1", float(1.5f)));
        QVERIFY(xlsx.write("L1", QUrl(QStringLiteral("https://koriv.example/"))));
        QVERIFY(xlsx.write("M1", QString(32767, QLatin1Char('x'))));
        QVERIFY(xlsx.write("N1", -0.0));
        QVERIFY(xlsx.write("A2", QStringLiteral("shared")));
        QVERIFY(xlsx.write("B2", QStringLiteral("shared")));
        QVERIFY(xlsx.write("C2", QString()));
        QVERIFY(xlsx.saveAs(path));
    }
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.read(1, 1), QVariant(QStringLiteral("=1+1")));
    QVERIFY(!xlsx.cellAt(1, 1).hasFormula());
    QCOMPARE(xlsx.cellAt(1, 1).cellType(), Cell::StringType);
    QCOMPARE(xlsx.read("B1").toString(), QStringLiteral("http://example.com/x?a=1&b=<2>"));
    QCOMPARE(xlsx.read("C1").toLongLong(), std::numeric_limits<qint64>::max());
    QCOMPARE(xlsx.read("D1").toLongLong(), std::numeric_limits<qint64>::min());
    QCOMPARE(xlsx.read("E1").toDouble(), 0.1 + 0.2); // shortest text that reads back exactly
    QCOMPARE(xlsx.read("F1"), QVariant(true));
    QCOMPARE(xlsx.read("G1").toString(), QStringLiteral(" spaced\ttext \n"));
    QCOMPARE(xlsx.read("H1").toString(), QString::fromUtf8("ctl\x01\x1f_x0041_ \xF0\x9F\x9A\x95 Ёж") + QChar(0xFFFE));
    QCOMPARE(xlsx.read("I1").toString(), QString(QChar(0xD800)) + QStringLiteral("lone"));
    QCOMPARE(xlsx.read("J1").toString(), QStringLiteral("line\r\nbreak"));
    QCOMPARE(xlsx.read("K1").toDouble(), 1.5);
    QCOMPARE(xlsx.read("L1").toString(), QStringLiteral("https://koriv.example/"));
    QCOMPARE(xlsx.read("M1").toString().size(), 32767);
    QCOMPARE(xlsx.read("N1").toDouble(), 0.0);
    QCOMPARE(xlsx.read("A2").toString(), QStringLiteral("shared"));
    QCOMPARE(xlsx.read("B2").toString(), QStringLiteral("shared"));
    QVERIFY(xlsx.cellAt(2, 3).isNull()); // an empty text with no format leaves nothing behind
    QVERIFY(xlsx.cellAt(40, 40).isNull());
    QVERIFY(!xlsx.read(40, 40).isValid());
    QCOMPARE(xlsx.dimension().toString(), QStringLiteral("A1:N2"));
}

void XlsxCellsTest::badValuesAreRefusedAndChangeNothing()
{
    Document xlsx;
    QVERIFY(xlsx.write("A1", 5));
    const struct
    {
        QVariant value;
        const char *reason;
    } refused[] = {
        {std::nan(""), "NaN"},
        {std::numeric_limits<double>::infinity(), "infinity"},
        {-std::numeric_limits<double>::infinity(), "minus infinity"},
        {QVariant(float(NAN)), "float NaN"},
        {QVariant(std::numeric_limits<quint64>::max()), "too large integer"},
        {QString(32768, QLatin1Char('y')), "overlong text"},
        {QDate(1899, 12, 31), "date before 1900"},
        {QDate(), "invalid date"},
        {QDateTime(), "invalid date-time"},
        {QVariant::fromValue(QSize(1, 2)), "unsupported type"},
    };
    for (const auto &value : refused) {
        QVERIFY2(!xlsx.write("A1", value.value), value.reason);
        QVERIFY2(!xlsx.errorString().isEmpty(), value.reason);
        QCOMPARE(xlsx.read("A1"), QVariant(qlonglong(5)));
    }
    QVERIFY(!xlsx.write(0, 1, 1));
    QVERIFY(!xlsx.write(1, 16385, 1));
    QVERIFY(!xlsx.write("A0", 1));
    QVERIFY(xlsx.errorString().contains(QStringLiteral("reference")));
    QVERIFY(!xlsx.writeFormula("A2", CellFormula("=1/0"), Format(), std::nan("")));
    QVERIFY(!xlsx.writeFormula("A2", CellFormula("")));
    QVERIFY(!xlsx.writeFormula("A3", CellFormula("=SUM(A1)", CellRange("A2:B2"), CellFormula::SharedType)));
    QVERIFY(xlsx.errorString().contains(QStringLiteral("A2:B2")));
    QVERIFY(!xlsx.writeFormula("A3", CellFormula("=SUM(A1)", CellRange(), CellFormula::SharedType)));
    QVERIFY(xlsx.cellAt(2, 1).isNull());
    QVERIFY(xlsx.cellAt(3, 1).isNull());
    QVERIFY(!xlsx.setRowHeight(1, 1, -1));
    QVERIFY(!xlsx.setRowHeight(1, 1, std::nan("")));
    QVERIFY(!xlsx.setColumnWidth(1, 1, 300));
    QVERIFY(!xlsx.setColumnWidth(0, 2, 10));
    QVERIFY(!xlsx.mergeCells(CellRange("B2")));
    QVERIFY(xlsx.mergeCells(CellRange("B2:C3")));
    QVERIFY(!xlsx.mergeCells(CellRange("C3:D4")));
    QVERIFY(xlsx.errorString().contains(QStringLiteral("B2:C3")));
    QVERIFY(!xlsx.unmergeCells(CellRange("C3:D4")));

    Document unsaved;
    QVERIFY(!unsaved.save()); // a new workbook has no file name yet
    QVERIFY(unsaved.errorString().contains(QStringLiteral("saveAs")));
}

void XlsxCellsTest::datesUseTheSerialsOfTheWorkbook()
{
    const QString path = m_dir.filePath(QStringLiteral("dates.xlsx"));
    {
        Document xlsx;
        QVERIFY(xlsx.write("A1", QDate(2024, 2, 29)));
        QVERIFY(xlsx.write("A2", QDate(1900, 2, 28)));
        QVERIFY(xlsx.write("A3", QDate(1900, 3, 1)));
        QVERIFY(xlsx.write("A4", QDate(1900, 1, 1)));
        QVERIFY(xlsx.write("A5", QDateTime(QDate(2024, 3, 1), QTime(13, 45, 30, 500))));
        QVERIFY(xlsx.write("A6", QTime(6, 30)));
        Format ddmmyyyy;
        ddmmyyyy.setNumberFormat(QStringLiteral("dd.mm.yyyy"));
        QVERIFY(xlsx.write("B1", QDate(2024, 3, 1), ddmmyyyy));
        Format money; // a date written with a number format gets a date format instead
        money.setNumberFormat(QStringLiteral("0.00"));
        QVERIFY(xlsx.write("C1", QDate(2024, 3, 1), money));
        QVERIFY(xlsx.write("D1", 45352)); // a plain number stays a number
        QVERIFY(xlsx.saveAs(path));
    }
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.read("A1"), QVariant(QDate(2024, 2, 29)));
    QCOMPARE(xlsx.read("A2"), QVariant(QDate(1900, 2, 28)));
    QCOMPARE(xlsx.read("A3"), QVariant(QDate(1900, 3, 1)));
    QCOMPARE(xlsx.read("A4"), QVariant(QDate(1900, 1, 1)));
    QCOMPARE(xlsx.read("A5").toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(13, 45, 30, 500)));
    QCOMPARE(xlsx.read("A6").toTime(), QTime(6, 30));
    QCOMPARE(xlsx.read("B1"), QVariant(QDate(2024, 3, 1)));
    QCOMPARE(xlsx.cellAt(1, 2).format().numberFormat(), QStringLiteral("dd.mm.yyyy"));
    QVERIFY(xlsx.cellAt(1, 3).format().isDateTimeFormat());
    QCOMPARE(xlsx.read("C1"), QVariant(QDate(2024, 3, 1)));
    QCOMPARE(xlsx.read("D1"), QVariant(qlonglong(45352)));
    QVERIFY(xlsx.cellAt("A1").isDateTime());
    QCOMPARE(xlsx.cellAt("A1").dateTime(), QDateTime(QDate(2024, 2, 29), QTime(0, 0)));
}

void XlsxCellsTest::workbookOfThe1904System()
{
    // A workbook that counts days from 1904, as old Mac spreadsheets do.
    const QString plain = m_dir.filePath(QStringLiteral("plain.xlsx"));
    {
        Document xlsx;
        QVERIFY(xlsx.write("A1", 0));
        QVERIFY(xlsx.saveAs(plain));
    }
    const QString path = m_dir.filePath(QStringLiteral("1904.xlsx"));
    {
        QZipReader reader(plain);
        QZipWriter writer(path);
        for (const QZipReader::FileInfo &info : reader.fileInfoList()) {
            QByteArray data = reader.fileData(info.filePath);
            if (info.filePath == QLatin1String("xl/workbook.xml"))
                data.replace("<bookViews>", "<workbookPr date1904=\"1\"/><bookViews>");
            writer.addFile(info.filePath, data);
        }
    }
    {
        Document xlsx(path);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        Format date;
        date.setNumberFormat(QStringLiteral("dd.mm.yyyy"));
        QVERIFY(xlsx.write("A1", 0, date));
        QCOMPARE(xlsx.read("A1"), QVariant(QDate(1904, 1, 1)));
        QVERIFY(xlsx.write("A2", QDate(2024, 3, 1)));
        QVERIFY(!xlsx.write("A3", QDate(1903, 12, 31)));
        QVERIFY(xlsx.save());
    }
    QZipReader reader(path);
    QVERIFY(reader.fileData(QStringLiteral("xl/worksheets/sheet1.xml")).contains("<v>43890</v>")); // 45352 - 1462
    Document xlsx(path);
    QCOMPARE(xlsx.read("A2"), QVariant(QDate(2024, 3, 1)));
}

void XlsxCellsTest::formatsAreKeptCopiedAndChanged()
{
    const QString path = m_dir.filePath(QStringLiteral("formats.xlsx"));
    {
        Document xlsx;
        Format header;
        header.setFontBold(true);
        header.setFontColor(Qt::white);
        header.setPatternBackgroundColor(Qt::blue);
        header.setHorizontalAlignment(Format::AlignHCenter);
        QVERIFY(xlsx.write("A1", QStringLiteral("Header"), header));
        QVERIFY(xlsx.write("A1", QStringLiteral("Header kept"))); // a null format keeps the style
        QVERIFY(xlsx.write("B1", QVariant(), header));              // a blank that carries the format

        Format copy = xlsx.cellAt("A1").format();
        QVERIFY(copy.fontBold());
        copy.setNumberFormat(QStringLiteral("0.0"));
        copy.setTextWrap(true);
        QVERIFY(xlsx.write("C1", 7.25, copy));
        QVERIFY(xlsx.cellAt("A1").format().numberFormat() == QStringLiteral("General")); // the source is untouched
        QVERIFY(!xlsx.cellAt("A1").format().textWrap());

        Format same; // built separately, equal to header: no new style entry
        same.setFontBold(true);
        same.setFontColor(Qt::white);
        same.setPatternBackgroundColor(Qt::blue);
        same.setHorizontalAlignment(Format::AlignHCenter);
        QCOMPARE(same, header);
        QVERIFY(xlsx.write("D1", 1, same));
        QVERIFY(xlsx.saveAs(path));
    }
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    const Format a1 = xlsx.cellAt("A1").format();
    QCOMPARE(xlsx.read("A1").toString(), QStringLiteral("Header kept"));
    QVERIFY(a1.fontBold());
    QCOMPARE(a1.fontColor(), QColor(Qt::white));
    QCOMPARE(a1.fillPattern(), Format::PatternSolid);
    QCOMPARE(a1.patternBackgroundColor(), QColor(Qt::blue));
    QCOMPARE(a1.horizontalAlignment(), Format::AlignHCenter);
    QCOMPARE(xlsx.cellAt("B1").cellType(), Cell::EmptyType);
    QCOMPARE(xlsx.cellAt("B1").format(), a1);
    const Format c1 = xlsx.cellAt("C1").format();
    QCOMPARE(c1.numberFormat(), QStringLiteral("0.0"));
    QCOMPARE(c1.numberFormatIndex(), -1);
    QVERIFY(c1.textWrap());
    QVERIFY(c1.fontBold());
    QCOMPARE(xlsx.cellAt("D1").format(), a1);

    Format builtin;
    builtin.setNumberFormat(QStringLiteral("0.00"));
    QCOMPARE(builtin.numberFormatIndex(), 2);
    builtin.setNumberFormat(QStringLiteral("@"));
    QCOMPARE(builtin.numberFormatIndex(), 49);
    QVERIFY(Format().isNull());
    QVERIFY(!builtin.isNull());
}

void XlsxCellsTest::fontChangesLeaveTheDefaultFontAlone()
{
    // A changed font starts from a copy of the workbook's default font; the default stays.
    Document xlsx;
    Format small;
    small.setFontName(QStringLiteral("Arial"));
    small.setFontSize(9.5);
    QVERIFY(xlsx.write("A1", 1, small));
    Format italic;
    italic.setFontItalic(true);
    QVERIFY(xlsx.write("A2", 2, italic));
    const Format a1 = xlsx.cellAt("A1").format();
    QCOMPARE(a1.fontName(), QStringLiteral("Arial"));
    QCOMPARE(a1.fontSize(), 9.5);
    const Format a2 = xlsx.cellAt("A2").format();
    QVERIFY(a2.fontItalic());
    QCOMPARE(a2.fontName(), QStringLiteral("Calibri"));
    QCOMPARE(a2.fontSize(), 11.0);
}

void XlsxCellsTest::sharedFormulaReadsRelatively()
{
    const QString path = m_dir.filePath(QStringLiteral("formula.xlsx"));
    {
        Document xlsx;
        Format total;
        total.setNumberFormat(QStringLiteral("0.00"));
        QVERIFY(xlsx.write("E18", QVariant(), total)); // an existing cell keeps its format
        QVERIFY(xlsx.currentWorksheet()->writeFormula(
            CellReference("D18"), CellFormula("=SUM(D21:D23)", CellRange("D18:P18"), CellFormula::SharedType)));
        QVERIFY(xlsx.writeFormula("B10", CellFormula(QStringLiteral("=SUM(B12:B13)"), CellRange("B10:F10"),
                                                     CellFormula::SharedType),
                                  total, 0));
        QVERIFY(xlsx.writeFormula("A1", CellFormula("=IF(A2=\"x\",'My Sheet'!B2,$C$3+C3)"), Format(), 4));
        QVERIFY(xlsx.saveAs(path));
    }
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.cellAt("D18").formula().formulaText(), QStringLiteral("SUM(D21:D23)"));
    QCOMPARE(xlsx.cellAt("D18").formula().reference(), CellRange("D18:P18"));
    QCOMPARE(xlsx.cellAt("P18").formula().formulaText(), QStringLiteral("SUM(P21:P23)"));
    QCOMPARE(xlsx.cellAt("F10").formula().formulaText(), QStringLiteral("SUM(F12:F13)"));
    QCOMPARE(xlsx.cellAt("E18").format().numberFormat(), QStringLiteral("0.00"));
    QCOMPARE(xlsx.cellAt("C10").format().numberFormat(), QStringLiteral("0.00"));
    QCOMPARE(xlsx.read("P18").toDouble(), 0.0);
    QCOMPARE(xlsx.read("A1").toDouble(), 4.0);

    // Overwriting the first cell gives every later cell a formula of its own.
    QVERIFY(xlsx.write("D18", 1));
    QVERIFY(!xlsx.cellAt("D18").hasFormula());
    QCOMPARE(xlsx.cellAt("G18").formula().formulaText(), QStringLiteral("SUM(G21:G23)"));
    QVERIFY(xlsx.save());
    Document again(path);
    QVERIFY2(again.isLoadPackage(), qPrintable(again.errorString()));
    QCOMPARE(again.cellAt("G18").formula().formulaText(), QStringLiteral("SUM(G21:G23)"));
    QCOMPARE(again.cellAt("G18").formula().formulaType(), CellFormula::NormalType);
    QCOMPARE(again.read("D18"), QVariant(qlonglong(1)));
}

void XlsxCellsTest::rowsColumnsAndMerges()
{
    const QString path = m_dir.filePath(QStringLiteral("layout.xlsx"));
    {
        Document xlsx;
        QCOMPARE(xlsx.rowHeight(3), 15.0);
        QVERIFY(xlsx.setRowHeight(3, 4, 48));
        QVERIFY(xlsx.currentWorksheet()->setRowHidden(5, 5, true));
        QVERIFY(xlsx.setColumnWidth(2, 4, 12.5));
        QVERIFY(xlsx.setColumnWidth(3, 3, 30)); // splits the earlier range
        QVERIFY(xlsx.mergeCells(CellRange("A1:C1")));
        QVERIFY(xlsx.mergeCells(CellRange("A2:B2")));
        QVERIFY(xlsx.unmergeCells(CellRange("A2:B2")));
        QVERIFY(xlsx.saveAs(path));
    }
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.rowHeight(3), 48.0);
    QCOMPARE(xlsx.rowHeight(4), 48.0);
    QCOMPARE(xlsx.rowHeight(6), 15.0);
    QVERIFY(xlsx.currentWorksheet()->isRowHidden(5));
    QVERIFY(!xlsx.currentWorksheet()->isRowHidden(4));
    QCOMPARE(xlsx.columnWidth(2), 12.5);
    QCOMPARE(xlsx.columnWidth(3), 30.0);
    QCOMPARE(xlsx.columnWidth(4), 12.5);
    QCOMPARE(xlsx.currentWorksheet()->mergedCells(), QList<CellRange>{CellRange("A1:C1")});
    QVERIFY(!xlsx.dimension().isValid()); // heights and merges alone make no cells
}

void XlsxCellsTest::mergesRefuseExactlyTheOverlaps()
{
    // Random ranges of any shape, merged and unmerged in turn; a merge is refused exactly when
    // it shares a cell with a merged range, as a check of every pair says.
    Document xlsx;
    Worksheet *sheet = xlsx.currentWorksheet();
    QList<CellRange> merged;
    QRandomGenerator random(11);
    int accepted = 0;
    for (int i = 0; i < 3000; ++i) {
        const int row = 1 + random.bounded(40);
        const int column = 1 + random.bounded(40);
        const int tall = random.bounded(10) == 0 ? 1 + random.bounded(30) : 1 + random.bounded(3);
        const int wide = random.bounded(10) == 0 ? 1 + random.bounded(30) : 1 + random.bounded(3);
        const CellRange range(row, column, row + tall - 1, column + wide - 1);
        if (tall * wide == 1)
            continue;
        if (!merged.isEmpty() && random.bounded(4) == 0) {
            const CellRange gone = merged.takeAt(random.bounded(merged.size()));
            QVERIFY(sheet->unmergeCells(gone));
        }
        const bool overlaps = std::any_of(merged.cbegin(), merged.cend(),
                                          [&](const CellRange &other) { return other.intersects(range); });
        QCOMPARE(sheet->mergeCells(range), !overlaps);
        if (!overlaps) {
            merged.append(range);
            ++accepted;
        }
    }
    QVERIFY(accepted > 100);
    QCOMPARE(sheet->mergedCells(), merged);
}

void XlsxCellsTest::cellsWrittenInAnyOrder()
{
    // Row 1 right to left, row 2 in a random order with cells written twice, row 3 left to right
    // with a cell put before the others at the end.
    const int columns = 3000;
    QVector<int> shuffled;
    for (int c = 1; c <= columns; ++c)
        shuffled.append(c);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(5));
    const QString path = m_dir.filePath(QStringLiteral("order.xlsx"));
    {
        Document xlsx;
        for (int c = columns; c >= 1; --c)
            QVERIFY(xlsx.write(1, c, c));
        for (int c : qAsConst(shuffled))
            QVERIFY(xlsx.write(2, c, -c));
        for (int c : qAsConst(shuffled).mid(0, 100))
            QVERIFY(xlsx.write(2, c, 2 * c));
        QVERIFY(xlsx.write(2, 7, QVariant())); // a blank without a style leaves the row
        for (int c = 2; c <= columns; ++c)
            QVERIFY(xlsx.write(3, c, c));
        QVERIFY(xlsx.write(3, 1, QStringLiteral("first")));
        QCOMPARE(xlsx.read(1, 17), QVariant(qlonglong(17)));
        QCOMPARE(xlsx.read(2, shuffled[3]), QVariant(qlonglong(2 * shuffled[3])));
        QCOMPARE(xlsx.dimension(), CellRange(1, 1, 3, columns));
        QVERIFY(xlsx.saveAs(path));
    }
    // Saved in column order, as spreadsheet programs need them.
    QZipReader reader(path);
    const QByteArray sheet = reader.fileData(QStringLiteral("xl/worksheets/sheet1.xml"));
    QRegularExpressionMatchIterator cells = QRegularExpression(QStringLiteral("<c r=\"([A-Z]+)(\\d+)\"")).globalMatch(QString::fromUtf8(sheet));
    int previousRow = 0;
    int previousColumn = 0;
    int count = 0;
    while (cells.hasNext()) {
        const QRegularExpressionMatch match = cells.next();
        const CellReference reference(match.captured(1) + match.captured(2));
        QVERIFY2(reference.row() > previousRow || (reference.row() == previousRow && reference.column() > previousColumn),
                 qPrintable(match.captured(0)));
        previousRow = reference.row();
        previousColumn = reference.column();
        ++count;
    }
    QCOMPARE(count, 3 * columns - 1);
    Document reopened(path);
    for (int c = 1; c <= columns; ++c) {
        QCOMPARE(reopened.read(1, c), QVariant(qlonglong(c)));
        const bool rewritten = shuffled.indexOf(c) < 100;
        QCOMPARE(reopened.read(2, c), c == 7 ? QVariant() : QVariant(qlonglong(rewritten ? 2 * c : -c)));
    }
    QCOMPARE(reopened.read(3, 1), QVariant(QStringLiteral("first")));
}

void XlsxCellsTest::largeSheetKeepsUnchangedRowsAndChangedOnes()
{
    // A sheet far larger than one piece of the written table, every kind of cell in each row;
    // reopened, every fifth row changed and saved again: rows read from the file and rows
    // written anew alternate throughout the table.
    const int rows = 4000;
    const auto expected = [](int row, int column, bool changed) -> QVariant {
        switch (column) {
        case 1: return qlonglong(changed ? -row : row);
        case 2: return row + 0.25;
        case 3: return changed ? QStringLiteral("new %1").arg(row) : QStringLiteral("text %1").arg(row % 50);
        case 4: return row % 2 == 0;
        case 5: return QStringLiteral("<&> %1").arg(row);
        default: return QVariant();
        }
    };
    const QString path = m_dir.filePath(QStringLiteral("large.xlsx"));
    Format bold;
    bold.setFontBold(true);
    {
        Document xlsx;
        for (int row = 1; row <= rows; ++row) {
            for (int column = 1; column <= 5; ++column)
                QVERIFY(xlsx.write(row, column, expected(row, column, false), column == 2 ? bold : Format()));
            const CellFormula formula(QStringLiteral("A%1*2").arg(row));
            QVERIFY(xlsx.writeFormula(CellReference(row, 6), formula, Format(), row * 2));
        }
        QVERIFY(xlsx.saveAs(path));
    }
    const QByteArray firstTable = QZipReader(path).fileData(QStringLiteral("xl/worksheets/sheet1.xml"));
    QVERIFY2(firstTable.size() > 600 * 1024, QByteArray::number(firstTable.size()));
    {
        Document xlsx(path);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        for (int row = 5; row <= rows; row += 5) {
            QVERIFY(xlsx.write(row, 1, expected(row, 1, true)));
            QVERIFY(xlsx.write(row, 3, expected(row, 3, true)));
        }
        QVERIFY(xlsx.setRowHeight(7, 7, 30));
        QVERIFY(xlsx.save());
    }
    const QByteArray secondTable = QZipReader(path).fileData(QStringLiteral("xl/worksheets/sheet1.xml"));
    const auto rowText = [](const QByteArray &table, int row) {
        const int start = table.indexOf("<row r=\"" + QByteArray::number(row) + '"');
        return table.mid(start, table.indexOf("</row>", start) - start);
    };
    QCOMPARE(rowText(secondTable, 3999), rowText(firstTable, 3999)); // copied as it was read
    QVERIFY(rowText(secondTable, 4000) != rowText(firstTable, 4000));

    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.dimension(), CellRange(1, 1, rows, 6));
    QCOMPARE(xlsx.rowHeight(7), 30.0);
    for (int row = 1; row <= rows; ++row) {
        const bool changed = row % 5 == 0;
        for (int column = 1; column <= 5; ++column) {
            const QVariant value = xlsx.read(row, column);
            if (value != expected(row, column, changed))
                QFAIL(qPrintable(CellReference(row, column).toString() + QLatin1String(": ") + value.toString()));
        }
        if (!xlsx.cellAt(row, 2).format().fontBold())
            QFAIL(qPrintable(QStringLiteral("B%1 lost its format").arg(row)));
        const Cell formula = xlsx.cellAt(row, 6);
        if (formula.formula().formulaText() != QStringLiteral("A%1*2").arg(row) || formula.value().toInt() != row * 2)
            QFAIL(qPrintable(QStringLiteral("F%1: %2").arg(row).arg(formula.formula().formulaText())));
    }
}

QTEST_GUILESS_MAIN(XlsxCellsTest)
#include "tst_xlsxcells.moc"
