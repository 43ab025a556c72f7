// New workbooks (the table export and report totals), read back by openpyxl and opened by
// LibreOffice, which computes the formulas.
#include "xlsx/document.h"
#include "xlsxtesthelpers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

using namespace Xlsx;

class XlsxExportTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void tableExportWithHeader();
    void cellsComeOutOrdered();
    void textStaysTextAndDatesStayDates();
    void sharedFormulaOverRange();
    void formulaResultsForReadersThatDoNotCalculate();
    void libreOfficeOpensAndComputes();
    void libreOfficeWorkbookAsTemplate();

private:
    QJsonObject dump(const QString &fileName, const QString &rows = QString());
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void XlsxExportTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QJsonObject XlsxExportTest::dump(const QString &fileName, const QString &rows)
{
    QString error;
    const QJsonObject result = XlsxTest::dump(fileName, &error, rows);
    if (result.isEmpty())
        qWarning("%s", qPrintable(error));
    return result;
}

void XlsxExportTest::tableExportWithHeader()
{
    QElapsedTimer timer;
    timer.start();
    Document xlsx;
    Format header;
    header.setFontBold(true);
    header.setFontColor(Qt::white);
    header.setPatternBackgroundColor(Qt::blue);
    const QStringList titles{"Id", "Sign", "Name", "Balance", "Created", "Duration", "Orders", "Rating", "City", "Note"};
    for (int column = 0; column < titles.size(); ++column)
        QVERIFY(xlsx.write(1, column + 1, titles[column], header));
    const Format plain;
    for (int row = 0; row < 10000; ++row) {
        const int r = row + 2;
        QVERIFY(xlsx.write(r, 1, row + 1, plain));
        QVERIFY(xlsx.write(r, 2, QStringLiteral("D%1").arg(row % 500), plain));
        QVERIFY(xlsx.write(r, 3, QStringLiteral("Водитель %1").arg(row), plain));
        QVERIFY(xlsx.write(r, 4, row * 1.25 - 300, plain));
        QVERIFY(xlsx.write(r, 5, QStringLiteral("01 Mar 2024, 10:%1").arg(row % 60, 2, 10, QLatin1Char('0')), plain));
        QVERIFY(xlsx.write(r, 6, QStringLiteral("%1 h").arg(row % 24), plain));
        QVERIFY(xlsx.write(r, 7, qlonglong(row) * 1000000007LL, plain));
        QVERIFY(xlsx.write(r, 8, 4.5, plain));
        QVERIFY(xlsx.write(r, 9, row % 3 ? QStringLiteral("Kyiv") : QStringLiteral("Odesa"), plain));
        QVERIFY(xlsx.write(r, 10, QVariant(), plain));
    }
    const QString file = path(QStringLiteral("_1_3_2024_10_0_0.xlsx"));
    QVERIFY2(xlsx.saveAs(file), qPrintable(xlsx.errorString()));
    qInfo("10,000 rows written and saved in %lld ms", timer.elapsed());

    const QJsonObject result = dump(file, QStringLiteral("1-3,10001"));
    QVERIFY(!result.isEmpty());
    QCOMPARE(result.value("sheets").toArray(), QJsonArray{"Sheet1"});
    const QJsonObject sheet = XlsxTest::sheet(result, "Sheet1");
    QCOMPARE(sheet.value("max_row").toInt(), 10001);
    QCOMPARE(sheet.value("dimension").toString(), QStringLiteral("A1:J10001"));
    for (const char *reference : {"A1", "E1", "J1"}) {
        const QJsonObject cell = XlsxTest::cell(result, "Sheet1", reference);
        QVERIFY2(cell.value("b").toBool(), reference);
        QCOMPARE(cell.value("color").toString(), QStringLiteral("FFFFFFFF"));
        QCOMPARE(cell.value("fill").toString(), QStringLiteral("solid"));
        QCOMPARE(cell.value("fg").toString(), QStringLiteral("FF0000FF"));
    }
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "J1").value("v").toString(), QStringLiteral("Note"));
    const QJsonObject a2 = XlsxTest::cell(result, "Sheet1", "A2");
    QCOMPARE(a2.value("t").toString(), QStringLiteral("n"));
    QCOMPARE(a2.value("v").toInt(), 1);
    QVERIFY(!a2.value("b").toBool());
    QVERIFY(a2.value("fill").isNull());
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "C10001").value("v").toString(), QStringLiteral("Водитель 9999"));
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "D10001").value("v").toDouble(), 9999 * 1.25 - 300);
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "G10001").value("v").toVariant().toLongLong(), 9999LL * 1000000007LL);
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "I3").value("v").toString(), QStringLiteral("Kyiv"));
    QVERIFY(!XlsxTest::sheet(result, "Sheet1").value("cells").toObject().contains("J2")); // empty, no format
    QCOMPARE(result.value("styles").toObject().value("cell_xfs").toInt(), 2); // default and header
    QVERIFY(!result.value("full_calc").toBool()); // no formulas, nothing to recalculate
}

void XlsxExportTest::cellsComeOutOrdered()
{
    Document xlsx;
    QVERIFY(xlsx.write("C5", 3));
    QVERIFY(xlsx.write("A5", 1));
    QVERIFY(xlsx.write("B3", QStringLiteral("b3")));
    QVERIFY(xlsx.write("A1", QStringLiteral("a1")));
    QVERIFY(xlsx.write("B5", 2));
    QVERIFY(xlsx.write("AA2", 27));
    QVERIFY(xlsx.write("B2", 2));
    QVERIFY(xlsx.write("B3", QStringLiteral("b3 again")));
    const QString file = path(QStringLiteral("ordered.xlsx"));
    QVERIFY(xlsx.saveAs(file));
    const QJsonObject result = dump(file);
    QVERIFY(!result.isEmpty());
    const QJsonArray order = result.value("order").toObject().value("xl/worksheets/sheet1.xml").toArray();
    const QJsonArray expected{QJsonArray{"1", "A1"}, QJsonArray{"2", "B2", "AA2"}, QJsonArray{"3", "B3"},
                              QJsonArray{"5", "A5", "B5", "C5"}};
    QCOMPARE(order, expected);
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "B3").value("v").toString(), QStringLiteral("b3 again"));
    QCOMPARE(XlsxTest::sheet(result, "Sheet1").value("dimension").toString(), QStringLiteral("A1:AA5"));
}

void XlsxExportTest::textStaysTextAndDatesStayDates()
{
    Document xlsx;
    QVERIFY(xlsx.write("A1", QStringLiteral("=1+1")));
    QVERIFY(xlsx.write("A2", QStringLiteral("https://koriv.example/?a=1&b=2")));
    QVERIFY(xlsx.write("A3", QStringLiteral("+380 44 123-45-67")));
    QVERIFY(xlsx.write("A4", QStringLiteral("<b>not markup</b> & \"quotes\"")));
    QVERIFY(xlsx.write("A5", QStringLiteral("tab\tand\nnew line")));
    QVERIFY(xlsx.write("A6", QString::fromUtf8("bell\x07 and \x1b escape")));
    QVERIFY(xlsx.write("B1", QDate(2024, 2, 29)));
    QVERIFY(xlsx.write("B2", QDateTime(QDate(2024, 3, 1), QTime(23, 59, 30))));
    QVERIFY(xlsx.write("B3", std::numeric_limits<qint64>::max()));
    QVERIFY(xlsx.write("B4", -12.5e-7));
    QVERIFY(xlsx.write("B5", false));
    Format ddmmyyyy;
    ddmmyyyy.setNumberFormat(QStringLiteral("dd.mm.yyyy"));
    QVERIFY(xlsx.write("B6", QDate(1900, 3, 1), ddmmyyyy));
    QVERIFY(!xlsx.write("B7", std::nan("")));
    const QString file = path(QStringLiteral("values.xlsx"));
    QVERIFY(xlsx.saveAs(file));

    const QJsonObject result = dump(file);
    QVERIFY(!result.isEmpty());
    auto cell = [&result](const char *reference) { return XlsxTest::cell(result, "Sheet1", reference); };
    for (const char *reference : {"A1", "A2", "A3", "A4", "A5"})
        QVERIFY2(cell(reference).value("t").toString() == QStringLiteral("s"), reference);
    QCOMPARE(cell("A1").value("v").toString(), QStringLiteral("=1+1"));
    QCOMPARE(cell("A2").value("v").toString(), QStringLiteral("https://koriv.example/?a=1&b=2"));
    QCOMPARE(cell("A3").value("v").toString(), QStringLiteral("+380 44 123-45-67"));
    QCOMPARE(cell("A4").value("v").toString(), QStringLiteral("<b>not markup</b> & \"quotes\""));
    QCOMPARE(cell("A5").value("v").toString(), QStringLiteral("tab\tand\nnew line"));
    // Control characters cannot stand in XML; they travel in the _xHHHH_ form Excel reads.
    QCOMPARE(cell("A6").value("v").toString(), QStringLiteral("bell_x0007_ and _x001B_ escape"));
    QVERIFY(!XlsxTest::entry(file, "xl/worksheets/sheet1.xml").contains("hyperlink"));
    QCOMPARE(XlsxTest::entryNames(file).filter(QStringLiteral("_rels/sheet")).size(), 0);

    QCOMPARE(cell("B1").value("t").toString(), QStringLiteral("d"));
    QCOMPARE(cell("B1").value("v").toString(), QStringLiteral("2024-02-29T00:00:00"));
    QCOMPARE(cell("B2").value("v").toString(), QStringLiteral("2024-03-01T23:59:30"));
    QCOMPARE(cell("B3").value("v").toString(), QStringLiteral("9223372036854775807"));
    QCOMPARE(cell("B4").value("v").toDouble(), -12.5e-7);
    QCOMPARE(cell("B5").value("t").toString(), QStringLiteral("b"));
    QCOMPARE(cell("B5").value("v").toBool(), false);
    QCOMPARE(cell("B6").value("v").toString(), QStringLiteral("1900-03-01T00:00:00"));
    QCOMPARE(cell("B6").value("nf").toString(), QStringLiteral("dd.mm.yyyy"));
    QVERIFY(!XlsxTest::sheet(result, "Sheet1").value("cells").toObject().contains("B7"));
    // Custom number formats are numbered from 164, each once.
    const QJsonObject formats = result.value("styles").toObject().value("num_fmts").toObject();
    QCOMPARE(formats, (QJsonObject{{"164", "yyyy-mm-dd"}, {"165", "yyyy-mm-dd hh:mm:ss"}, {"166", "dd.mm.yyyy"}}));
}

void XlsxExportTest::sharedFormulaOverRange()
{
    Document xlsx;
    for (int row = 21; row <= 23; ++row) {
        for (int column = 4; column <= 16; ++column)
            QVERIFY(xlsx.write(row, column, row * 100 + column));
    }
    Format total;
    total.setNumberFormat(QStringLiteral("0.00"));
    total.setFontBold(true);
    for (int column = 4; column <= 20; ++column)
        QVERIFY(xlsx.write(18, column, QVariant(), total));
    Format whole = total;
    whole.setNumberFormat(QStringLiteral("0"));
    for (int column = 6; column <= 10; ++column)
        QVERIFY(xlsx.write(18, column, QVariant(), whole));
    const int last = 23;
    QVERIFY(xlsx.currentWorksheet()->writeFormula(
        CellReference("D18"), CellFormula(QStringLiteral("=SUM(D21:D%1)").arg(last), CellRange("D18:P18"),
                                          CellFormula::SharedType),
        total, 0));
    const QString file = path(QStringLiteral("totals.xlsx"));
    QVERIFY(xlsx.saveAs(file));

    const QJsonObject result = dump(file);
    QVERIFY(!result.isEmpty());
    QVERIFY(result.value("full_calc").toBool());
    auto cell = [&result](const char *reference) { return XlsxTest::cell(result, "Sheet1", reference); };
    QCOMPARE(cell("D18").value("v").toString(), QStringLiteral("=SUM(D21:D23)"));
    QCOMPARE(cell("E18").value("v").toString(), QStringLiteral("=SUM(E21:E23)"));
    QCOMPARE(cell("P18").value("v").toString(), QStringLiteral("=SUM(P21:P23)"));
    QCOMPARE(cell("P18").value("cached").toInt(), 0);
    QCOMPARE(cell("G18").value("nf").toString(), QStringLiteral("0")); // the range's cells keep their formats
    QCOMPARE(cell("E18").value("nf").toString(), QStringLiteral("0.00"));
    QVERIFY(cell("E18").value("b").toBool());
    QCOMPARE(cell("Q18").value("t").toString(), QStringLiteral("n")); // outside the range: still empty
    QVERIFY(cell("Q18").value("v").isNull());
}

// Sums written without a result are stored with their worked-out results, whatever the order of
// the writes; what cannot be worked out is stored without a result, never as a wrong one.
void XlsxExportTest::formulaResultsForReadersThatDoNotCalculate()
{
    Document xlsx;
    Format money;
    money.setNumberFormat(QStringLiteral("0.00"));
    // Day rows 12 to 14 sum their channels B:E (the formula before the cells it sums); row 10 sums
    // each column over the day rows, F10 the day sums.
    QVERIFY(xlsx.writeFormula("F12", CellFormula("=SUM(B12:E12)", CellRange("F12:F14"), CellFormula::SharedType),
                              money));
    const QVector<QVariantList> days{{100.5, 0, 0, 20}, {0, 7, "n/a", 0}, {1, 2, 3, qlonglong(4)}};
    for (int i = 0; i < days.size(); ++i) {
        for (int column = 2; column <= 5; ++column)
            QVERIFY(xlsx.write(12 + i, column, days[i][column - 2], money));
    }
    QVERIFY(xlsx.writeFormula("B10", CellFormula("=SUM(B12:B14)", CellRange("B10:F10"), CellFormula::SharedType),
                              money));
    QVERIFY(xlsx.write("C12", 0.25)); // written after the formulas: the sums follow
    QVERIFY(xlsx.writeFormula("H1", CellFormula("=SUM($B$12:B13, F14, 5)")));
    QVERIFY(xlsx.writeFormula("H2", CellFormula("=SUM(B14:B12)"))); // a reversed range
    QVERIFY(xlsx.writeFormula("H3", CellFormula("=SUM(B20:E30)"))); // nothing to sum
    QVERIFY(xlsx.writeFormula("H4", CellFormula("=B12*2")));        // not a sum
    QVERIFY(xlsx.writeFormula("H5", CellFormula("=SUM(H5:H6)")));   // its own cell
    QVERIFY(xlsx.writeFormula("H6", CellFormula("=SUM(H4,B12)")));  // over a formula without a result
    QVERIFY(xlsx.writeFormula("H7", CellFormula("=SUM(H7)"), Format(), 4)); // a given result stays
    QVERIFY(xlsx.writeFormula("H8", CellFormula("=SUM('Other sheet'!B12)")));
    // The first cell of a shared range overwritten: the others keep their sums.
    QVERIFY(xlsx.writeFormula("J12", CellFormula("=SUM(B12:C12)", CellRange("J12:J14"), CellFormula::SharedType)));
    QVERIFY(xlsx.write("J12", QStringLiteral("gone")));
    const QString file = path(QStringLiteral("results.xlsx"));
    QVERIFY2(xlsx.saveAs(file), qPrintable(xlsx.errorString()));

    const QJsonObject result = dump(file);
    QVERIFY(!result.isEmpty());
    auto cached = [&result](const char *reference) {
        return XlsxTest::cell(result, "Sheet1", reference).value("cached").toVariant();
    };
    const QVector<QPair<const char *, double>> sums{
        {"F12", 120.75}, {"F13", 7},  {"F14", 10}, {"B10", 101.5}, {"C10", 9.25}, {"D10", 3}, {"E10", 24},
        {"F10", 137.75}, {"H1", 115.5}, {"H2", 101.5}, {"H3", 0}, {"H7", 4}, {"J13", 7}, {"J14", 3}};
    for (const auto &[reference, sum] : sums)
        QVERIFY2(qFuzzyCompare(cached(reference).toDouble() + 1, sum + 1),
                 qPrintable(QStringLiteral("%1: %2").arg(reference, cached(reference).toString())));
    for (const char *reference : {"H4", "H5", "H6", "H8"})
        QVERIFY2(cached(reference).isNull(), reference);
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "F13").value("v").toString(), QStringLiteral("=SUM(B13:E13)"));
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "F10").value("v").toString(), QStringLiteral("=SUM(F12:F14)"));
    QCOMPARE(XlsxTest::cell(result, "Sheet1", "H4").value("v").toString(), QStringLiteral("=B12*2"));
}

void XlsxExportTest::libreOfficeOpensAndComputes()
{
    // Uses the workbooks of the tests above: LibreOffice opens them and computes the formulas.
    const QStringList files{path(QStringLiteral("totals.xlsx")), path(QStringLiteral("values.xlsx")),
                            path(QStringLiteral("ordered.xlsx"))};
    for (const QString &file : files)
        QVERIFY2(QFile::exists(file), qPrintable(file));
    const QString folder = path(QStringLiteral("csv"));
    QString error;
    QVERIFY2(XlsxTest::convertToCsv(files, folder, &error), qPrintable(error));
    auto lines = [&folder](const QString &name) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    };

    const QStringList totals = lines(QStringLiteral("totals.csv"));
    QVERIFY2(totals.size() >= 23, qPrintable(totals.join(QLatin1Char('|'))));
    const QStringList row18 = totals[17].split(QLatin1Char(','));
    // Each cell of D18:P18 sums its own column over rows 21 to 23: 3 * 2200 + 3 * column.
    QCOMPARE(row18.value(3), QStringLiteral("6612.00"));
    QCOMPARE(row18.value(4), QStringLiteral("6615.00"));
    QCOMPARE(row18.value(6), QStringLiteral("6621"));
    QCOMPARE(row18.value(15), QStringLiteral("6648.00"));
    QCOMPARE(row18.value(16), QString());

    const QStringList values = lines(QStringLiteral("values.csv"));
    QVERIFY(values.size() >= 6);
    QCOMPARE(values[0].split(QLatin1Char(',')).value(0), QStringLiteral("=1+1"));
    QCOMPARE(values[0].split(QLatin1Char(',')).value(1), QStringLiteral("2024-02-29"));
    QVERIFY2(values.join(QLatin1Char('\n')).contains(QStringLiteral("01.03.1900")), qPrintable(values.join('|')));

    const QStringList ordered = lines(QStringLiteral("ordered.csv"));
    QVERIFY(ordered.size() >= 5);
    QCOMPARE(ordered[4].left(6), QStringLiteral("1,2,3,"));
}

void XlsxExportTest::libreOfficeWorkbookAsTemplate()
{
    // A workbook saved by LibreOffice (from openpyxl's template) serves as a template.
    QString error;
    QVERIFY2(XlsxTest::makeFixtures(path(QStringLiteral("fixtures")), &error), qPrintable(error));
    const QString folder = path(QStringLiteral("office"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY2(XlsxTest::convertToXlsx({path(QStringLiteral("fixtures/template.xlsx"))}, folder, &error), qPrintable(error));
    const QString file = folder + QStringLiteral("/template.xlsx");
    const QJsonObject before = dump(file);
    QVERIFY(!before.isEmpty());

    Document xlsx(file);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.read("A1").toString(), QStringLiteral("Отчет по брендированным машинам"));
    Format money = xlsx.cellAt(13, 8).format();
    QCOMPARE(money.numberFormat(), QStringLiteral("#,###.00"));
    money.setNumberFormat(QStringLiteral("0.00"));
    QVERIFY(xlsx.write(13, 8, 1234.5, money));
    QVERIFY(xlsx.write(13, 3, QStringLiteral("Водитель"), xlsx.cellAt(13, 3).format()));
    QVERIFY(xlsx.write("D4", QStringLiteral("today")));
    QVERIFY(xlsx.save());

    const QJsonObject after = dump(file);
    QVERIFY(!after.isEmpty());
    const QJsonObject report = XlsxTest::sheet(after, "Report");
    for (const char *key : {"merges", "widths", "heights", "hidden_rows", "orientation", "freeze"})
        QVERIFY2(report.value(key) == XlsxTest::sheet(before, "Report").value(key), key);
    QCOMPARE(XlsxTest::sheet(after, "Data"), XlsxTest::sheet(before, "Data"));
    QCOMPARE(XlsxTest::cell(after, "Report", "H13").value("v").toDouble(), 1234.5);
    QCOMPARE(XlsxTest::cell(after, "Report", "H13").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(XlsxTest::cell(after, "Report", "H13").value("border").toString(), QStringLiteral("thin"));
    QCOMPARE(XlsxTest::cell(after, "Report", "C13").value("h").toString(), QStringLiteral("left"));
    QCOMPARE(XlsxTest::cell(after, "Report", "D4").value("v").toString(), QStringLiteral("today"));
}

QTEST_GUILESS_MAIN(XlsxExportTest)
#include "tst_xlsxexport.moc"
