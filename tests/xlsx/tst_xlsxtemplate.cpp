// Workbooks made by other programs: opened, filled like a report template and saved, then
// read back by openpyxl. What was not written must stay as the other program wrote it.
#include "xlsx/document.h"
#include "xlsxtesthelpers.h"

#include <QFile>
#include <QJsonArray>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace Xlsx;

class XlsxTemplateTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void styledTemplateStaysIntact();
    void excelWorkbookKeepsItsParts();
    void overwritingSharedFormulaKeepsTheOthers();
    void unchangedWorkbookSavesAsItWas();

private:
    QString copyOf(const QString &fixture, const QString &name);
    QJsonObject dump(const QString &fileName);

    QTemporaryDir m_dir;
};

void XlsxTemplateTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    QVERIFY2(XlsxTest::makeFixtures(m_dir.path(), &error), qPrintable(error));
}

QString XlsxTemplateTest::copyOf(const QString &fixture, const QString &name)
{
    const QString target = m_dir.filePath(name);
    QFile::remove(target);
    if (!QFile::copy(m_dir.filePath(fixture), target))
        return {};
    QFile::setPermissions(target, QFileDevice::ReadUser | QFileDevice::WriteUser);
    return target;
}

QJsonObject XlsxTemplateTest::dump(const QString &fileName)
{
    QString error;
    const QJsonObject result = XlsxTest::dump(fileName, &error);
    if (result.isEmpty())
        qWarning("%s", qPrintable(error));
    return result;
}

void XlsxTemplateTest::styledTemplateStaysIntact()
{
    const QString path = copyOf(QStringLiteral("template.xlsx"), QStringLiteral("report.xlsx"));
    QVERIFY(!path.isEmpty());
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.sheetNames(), (QStringList{"Report", "Data", "Notes"}));
    QCOMPARE(xlsx.currentWorksheet()->sheetName(), QStringLiteral("Report"));

    // What the template holds, as our reader sees it.
    const Cell styledEmpty = xlsx.cellAt(13, 8);
    QVERIFY(!styledEmpty.isNull());
    QCOMPARE(styledEmpty.cellType(), Cell::EmptyType);
    QCOMPARE(styledEmpty.format().numberFormat(), QStringLiteral("#,###.00"));
    QCOMPARE(xlsx.cellAt(13, 3).format().horizontalAlignment(), Format::AlignLeft);
    QCOMPARE(xlsx.read("A1").toString(), QStringLiteral("Отчет по брендированным машинам"));
    QVERIFY(xlsx.cellAt("A1").format().fontBold());
    QCOMPARE(xlsx.cellAt("A1").format().fontSize(), 15.0);
    QCOMPARE(xlsx.cellAt("P2").formula().formulaText(), QStringLiteral("SUM(D13:D20)"));
    QCOMPARE(xlsx.rowHeight(11), 30.0);
    QVERIFY(xlsx.currentWorksheet()->isRowHidden(9));
    QCOMPARE(xlsx.columnWidth(3), 34.45);
    QVERIFY(xlsx.selectSheet(QStringLiteral("Notes")));
    QCOMPARE(xlsx.read("A1").toString(), QStringLiteral("Bold and plain")); // rich text, phonetic run left out
    QVERIFY(xlsx.selectSheet(QStringLiteral("Data")));
    QCOMPARE(xlsx.read("E1"), QVariant(QDate(2024, 3, 1)));
    QCOMPARE(xlsx.read("B1"), QVariant(qlonglong(42)));
    QVERIFY(xlsx.selectSheet(0));

    // Filled the way a report writer fills it.
    QVERIFY(xlsx.write("D4", QStringLiteral("01 мар 2024, 10:00 +03:00")));
    QVERIFY(xlsx.write("D6", 12345)); // null format: the text format of the template stays
    Format formats[16];
    for (int column = 1; column <= 15; ++column)
        formats[column] = xlsx.cellAt(13, column).format();
    Format money = formats[8];
    money.setNumberFormat(QStringLiteral("0.00"));
    Format hours = formats[12];
    hours.setNumberFormat(QStringLiteral("0.0"));
    for (int index = 0; index < 3; ++index) {
        const int row = 13 + index;
        QVERIFY(xlsx.write(row, 1, QString::number(index + 1), formats[1]));
        QVERIFY(xlsx.write(row, 3, QStringLiteral("Водитель %1").arg(index), formats[3]));
        QVERIFY(xlsx.write(row, 4, 10 + index, formats[4]));
        QVERIFY(xlsx.write(row, 8, 100.5 * (index + 1), money));
        QVERIFY(xlsx.write(row, 12, 7.25, hours));
    }
    QVERIFY(xlsx.write("B10", 99.5)); // a styled empty cell takes a value and keeps its style
    QVERIFY2(xlsx.save(), qPrintable(xlsx.errorString()));

    const QJsonObject before = dump(m_dir.filePath(QStringLiteral("template.xlsx")));
    const QJsonObject after = dump(path);
    QVERIFY(!before.isEmpty() && !after.isEmpty());
    QCOMPARE(after.value("sheets"), before.value("sheets"));
    QCOMPARE(after.value("states"), before.value("states"));
    QVERIFY(after.value("full_calc").toBool());

    // Only the edited sheet, the style table and the workbook changed; openpyxl wrote inline
    // strings, so a shared string table joined, listed in the relationships and content types.
    const QSet<QString> rewritten{"xl/worksheets/sheet1.xml", "xl/styles.xml", "xl/workbook.xml",
                                  "xl/_rels/workbook.xml.rels", "[Content_Types].xml"};
    const QJsonObject partsBefore = before.value("parts").toObject();
    const QJsonObject partsAfter = after.value("parts").toObject();
    QStringList expectedParts = partsBefore.keys();
    QVERIFY(!expectedParts.contains("xl/sharedStrings.xml"));
    expectedParts.append(QStringLiteral("xl/sharedStrings.xml"));
    expectedParts.sort();
    QCOMPARE(partsAfter.keys(), expectedParts);
    for (const QString &part : partsBefore.keys()) {
        if (!rewritten.contains(part))
            QVERIFY2(partsAfter.value(part) == partsBefore.value(part), qPrintable(part));
    }
    QCOMPARE(XlsxTest::sheet(after, "Data"), XlsxTest::sheet(before, "Data"));
    QCOMPARE(XlsxTest::sheet(after, "Notes"), XlsxTest::sheet(before, "Notes"));

    const QJsonObject report = XlsxTest::sheet(after, "Report");
    const QJsonObject reportBefore = XlsxTest::sheet(before, "Report");
    for (const char *key : {"merges", "widths", "heights", "hidden_rows", "orientation", "fit_width", "print_area",
                            "freeze", "conditional"})
        QVERIFY2(report.value(key) == reportBefore.value(key), key);

    const QSet<QString> written{"D4", "D6", "B10", "A13", "C13", "D13", "H13", "L13", "A14", "C14", "D14",
                                "H14", "L14", "A15", "C15", "D15", "H15", "L15"};
    const QJsonObject cellsBefore = reportBefore.value("cells").toObject();
    const QJsonObject cellsAfter = report.value("cells").toObject();
    for (const QString &reference : cellsBefore.keys()) {
        if (!written.contains(reference))
            QVERIFY2(cellsAfter.value(reference) == cellsBefore.value(reference), qPrintable(reference));
    }

    const QJsonObject d4 = XlsxTest::cell(after, "Report", "D4");
    QCOMPARE(d4.value("v").toString(), QStringLiteral("01 мар 2024, 10:00 +03:00"));
    QCOMPARE(d4.value("t").toString(), QStringLiteral("s"));
    QCOMPARE(XlsxTest::cell(after, "Report", "D6").value("nf").toString(), QStringLiteral("@"));
    const QJsonObject b10 = XlsxTest::cell(after, "Report", "B10");
    QCOMPARE(b10.value("v").toDouble(), 99.5);
    QCOMPARE(b10.value("nf").toString(), QStringLiteral("0.00"));
    QVERIFY(b10.value("b").toBool());

    const QJsonObject a14 = XlsxTest::cell(after, "Report", "A14");
    QCOMPARE(a14.value("v").toString(), QStringLiteral("2"));
    QCOMPARE(a14.value("border").toString(), QStringLiteral("thin"));
    QCOMPARE(a14.value("h").toString(), QStringLiteral("center"));
    QCOMPARE(XlsxTest::cell(after, "Report", "C15").value("h").toString(), QStringLiteral("left"));
    QCOMPARE(XlsxTest::cell(after, "Report", "C15").value("font").toString(), QStringLiteral("Arial"));
    const QJsonObject h15 = XlsxTest::cell(after, "Report", "H15");
    QCOMPARE(h15.value("v").toDouble(), 301.5);
    QCOMPARE(h15.value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(h15.value("border").toString(), QStringLiteral("thin"));
    const QJsonObject l13 = XlsxTest::cell(after, "Report", "L13");
    QCOMPARE(l13.value("nf").toString(), QStringLiteral("0.0"));
    QCOMPARE(l13.value("v").toDouble(), 7.25);
    // Untouched styled cells of the data row keep their look.
    QCOMPARE(XlsxTest::cell(after, "Report", "K13").value("nf").toString(), QStringLiteral("#,###.00"));

    // Formats are added once: the money format equals the template's format of L13, so three
    // data rows need one new entry (hours) and one new number format.
    const int xfsBefore = before.value("styles").toObject().value("cell_xfs").toInt();
    const QJsonObject stylesAfter = after.value("styles").toObject();
    QCOMPARE(stylesAfter.value("cell_xfs").toInt(), xfsBefore + 1);
    QCOMPARE(stylesAfter.value("xfs_count").toString().toInt(), xfsBefore + 1);
    QCOMPARE(stylesAfter.value("num_fmts").toObject().size(), 4);
    QVERIFY(stylesAfter.value("num_fmts").toObject().value("167").toString() == QStringLiteral("0.0"));
}

void XlsxTemplateTest::excelWorkbookKeepsItsParts()
{
    const QString path = copyOf(QStringLiteral("excel.xlsx"), QStringLiteral("excel-out.xlsx"));
    QVERIFY(!path.isEmpty());
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QCOMPARE(xlsx.sheetNames(), (QStringList{"Totals", "Other"}));
    QCOMPARE(xlsx.read("B2").toString(), QStringLiteral("Водитель"));
    QCOMPARE(xlsx.cellAt("C2").cellType(), Cell::EmptyType);
    QVERIFY(xlsx.cellAt("C2").format().fontBold());
    QCOMPARE(xlsx.read("D2").toString(), QStringLiteral("inline text"));
    QCOMPARE(xlsx.read("F2").toString(), QStringLiteral("line\rbreak"));
    QCOMPARE(xlsx.read("B3").toString(), QStringLiteral("  padded  "));
    QCOMPARE(xlsx.read("C3"), QVariant(QDate(2024, 3, 1)));
    QCOMPARE(xlsx.read("B4").toString(), QStringLiteral("Bold and plain"));
    QCOMPARE(xlsx.cellAt("E2").format().numberFormat(), QString::fromUtf8("#,##0.00\" ₴\""));
    QCOMPARE(xlsx.cellAt("E18").formula().formulaText(), QStringLiteral("SUM(E21:E21)"));
    QCOMPARE(xlsx.read("E18").toDouble(), 20.0);
    QCOMPARE(xlsx.rowHeight(2), 21.0);
    QVERIFY(xlsx.currentWorksheet()->isRowHidden(3));
    QCOMPARE(xlsx.columnWidth(1), 0.88);
    QCOMPARE(xlsx.columnWidth(3), 12.7);

    QVERIFY(xlsx.write("D21", 5));
    QVERIFY(xlsx.write("E21", 6));
    QVERIFY(xlsx.write("B5", QStringLiteral("in a styled column"))); // the column's style applies
    QVERIFY(xlsx.write("B6", QStringLiteral("Bold and plain")));     // plain: not the rich entry
    QVERIFY(xlsx.write("B7", QStringLiteral("Total:")));             // the plain entry is reused
    Format bold = xlsx.cellAt("B2").format();
    bold.setNumberFormat(QStringLiteral("0.0"));
    QVERIFY(xlsx.write("G2", 2.5, bold));
    QVERIFY2(xlsx.saveAs(path), qPrintable(xlsx.errorString()));

    const QString original = m_dir.filePath(QStringLiteral("excel.xlsx"));
    const QJsonObject before = dump(original);
    const QJsonObject after = dump(path);
    QVERIFY(!before.isEmpty() && !after.isEmpty());
    const QJsonObject partsBefore = before.value("parts").toObject();
    const QJsonObject partsAfter = after.value("parts").toObject();
    QVERIFY(!partsAfter.contains("xl/calcChain.xml")); // stale now; Excel rebuilds it
    for (const char *part : {"xl/worksheets/sheet2.xml", "xl/theme/theme1.xml", "docProps/app.xml", "docProps/core.xml",
                             "_rels/.rels"})
        QVERIFY2(partsAfter.value(part) == partsBefore.value(part), part);
    // String entries are only appended: the original ones keep their text and their indexes.
    const QByteArray stringsBefore = XlsxTest::entry(original, "xl/sharedStrings.xml");
    const QByteArray stringsAfter = XlsxTest::entry(path, "xl/sharedStrings.xml");
    const int entriesStart = stringsBefore.indexOf("<si>");
    QVERIFY(stringsAfter.contains(stringsBefore.mid(entriesStart, stringsBefore.indexOf("</sst>") - entriesStart)));
    QVERIFY(stringsAfter.contains("count=\"8\" uniqueCount=\"7\"")); // 8 cells refer to 7 entries
    QCOMPARE(XlsxTest::cell(after, "Totals", "B6").value("v").toString(), QStringLiteral("Bold and plain"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "B7").value("v").toString(), QStringLiteral("Total:"));
    QVERIFY(!XlsxTest::entry(path, "[Content_Types].xml").contains("calcChain"));
    QVERIFY(!XlsxTest::entry(path, "xl/_rels/workbook.xml.rels").contains("calcChain"));
    QVERIFY(after.value("full_calc").toBool());
    const QJsonValue printArea = XlsxTest::sheet(before, "Totals").value("print_area");
    QCOMPARE(printArea.toArray().size(), 1);
    QCOMPARE(XlsxTest::sheet(after, "Totals").value("print_area"), printArea);
    QCOMPARE(XlsxTest::sheet(after, "Other"), XlsxTest::sheet(before, "Other"));

    QCOMPARE(XlsxTest::cell(after, "Totals", "E18").value("v").toString(), QStringLiteral("=SUM(E21:E21)"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "F18").value("v").toString(), QStringLiteral("=SUM(F21:F21)"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "D21").value("v").toInt(), 5);
    const QJsonObject g2 = XlsxTest::cell(after, "Totals", "G2");
    QCOMPARE(g2.value("v").toDouble(), 2.5);
    QCOMPARE(g2.value("nf").toString(), QStringLiteral("0.0"));
    QVERIFY(g2.value("b").toBool());
    QCOMPARE(XlsxTest::cell(after, "Totals", "B5").value("nf").toString(), QStringLiteral("mm-dd-yy"));
    QCOMPARE(after.value("styles").toObject().value("num_fmts").toObject().value("165").toString(),
             QStringLiteral("0.0"));
    QCOMPARE(XlsxTest::sheet(after, "Totals").value("hidden_rows"), QJsonValue(QJsonArray{3}));
    QCOMPARE(XlsxTest::sheet(after, "Totals").value("merges"), QJsonValue(QJsonArray{"B2:C2"}));

    // The rewritten sheet keeps the text around its cells, prefixes and extension attributes too.
    const QByteArray sheetBefore = XlsxTest::entry(original, "xl/worksheets/sheet1.xml");
    const QByteArray sheetAfter = XlsxTest::entry(path, "xl/worksheets/sheet1.xml");
    for (const char *kept : {"xr:uid=\"{00000000-0001-0000-0000-000000000000}\"",
                             "<sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\">",
                             "<cols><col min=\"1\" max=\"1\" width=\"0.88\" customWidth=\"1\"/>",
                             "<pageSetup paperSize=\"9\" fitToHeight=\"0\" orientation=\"landscape\"/>",
                             "<row r=\"3\" spans=\"2:6\" hidden=\"1\" x14ac:dyDescent=\"0.25\">"}) {
        QVERIFY2(sheetBefore.contains(kept), kept);
        QVERIFY2(sheetAfter.contains(kept), kept);
    }
    QVERIFY(sheetAfter.contains("<row r=\"2\" ht=\"21\" customHeight=\"1\" x14ac:dyDescent=\"0.35\">"));
    QVERIFY(sheetAfter.contains("<dimension ref=\"B2:G21\"/>"));
    QVERIFY(XlsxTest::entry(path, "xl/workbook.xml").contains("<x:calcPr fullCalcOnLoad=\"1\"/></x:workbook>")
            || XlsxTest::entry(path, "xl/workbook.xml").contains("<x:calcPr fullCalcOnLoad=\"1\"/><x:extLst>"));

    // A second save gives the same parts.
    QVERIFY(xlsx.saveAs(m_dir.filePath(QStringLiteral("excel-again.xlsx"))));
    const QStringList names = XlsxTest::entryNames(path);
    QCOMPARE(XlsxTest::entryNames(m_dir.filePath(QStringLiteral("excel-again.xlsx"))), names);
    for (const QString &name : names)
        QVERIFY2(XlsxTest::entry(path, name) == XlsxTest::entry(m_dir.filePath("excel-again.xlsx"), name),
                 qPrintable(name));
}

void XlsxTemplateTest::overwritingSharedFormulaKeepsTheOthers()
{
    const QString path = copyOf(QStringLiteral("excel.xlsx"), QStringLiteral("excel-master.xlsx"));
    Document xlsx(path);
    QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
    QVERIFY(xlsx.write("D18", 100));
    QVERIFY(xlsx.save());
    const QJsonObject after = dump(path);
    QVERIFY(!after.isEmpty());
    QCOMPARE(XlsxTest::cell(after, "Totals", "D18").value("v").toInt(), 100);
    QCOMPARE(XlsxTest::cell(after, "Totals", "D18").value("nf").toString(), QStringLiteral("0.00"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "E18").value("v").toString(), QStringLiteral("=SUM(E21:E21)"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "F18").value("v").toString(), QStringLiteral("=SUM(F21:F21)"));
    QCOMPARE(XlsxTest::cell(after, "Totals", "F18").value("cached").toInt(), 30);
}

void XlsxTemplateTest::unchangedWorkbookSavesAsItWas()
{
    for (const QString &fixture : {QStringLiteral("template.xlsx"), QStringLiteral("excel.xlsx")}) {
        const QString original = m_dir.filePath(fixture);
        const QString copy = m_dir.filePath(QStringLiteral("unchanged-") + fixture);
        Document xlsx(original);
        QVERIFY2(xlsx.isLoadPackage(), qPrintable(xlsx.errorString()));
        for (const QString &name : xlsx.sheetNames()) {
            QVERIFY(xlsx.selectSheet(name));
            xlsx.read("A1");
            xlsx.cellAt(2, 2).format();
        }
        QVERIFY(xlsx.saveAs(copy));
        const QStringList names = XlsxTest::entryNames(original);
        QCOMPARE(XlsxTest::entryNames(copy), names);
        for (const QString &name : names)
            QVERIFY2(XlsxTest::entry(copy, name) == XlsxTest::entry(original, name), qPrintable(fixture + ": " + name));
    }
}

QTEST_GUILESS_MAIN(XlsxTemplateTest)
#include "tst_xlsxtemplate.moc"
