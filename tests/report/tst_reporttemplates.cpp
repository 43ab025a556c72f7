#include "reporttest.h"

#include "report/workbook.h"
#include "timelimit.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

// The carried templates: each is in the resource bundle, opens as a workbook, holds the labels
// its writer's cells stand beside and the styled row whose formats its writer copies.
class TestReportTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bundleHoldsTheFourteen();
    void generatorMakesTheCommittedTemplates();
    void layout_data();
    void layout();
    void brandReportsPrintWhole();

private:
    QTemporaryDir m_folder;
};

using Anchors = QMap<QString, QString>;
Q_DECLARE_METATYPE(Anchors)

void TestReportTemplates::initTestCase()
{
    Q_INIT_RESOURCE(files_template);
    QVERIFY(m_folder.isValid());
}

void TestReportTemplates::bundleHoldsTheFourteen()
{
    QStringList names;
    QDirIterator it(":/files_template", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(it.next().mid(QStringLiteral(":/files_template/").size()));
    names.sort();
    QCOMPARE(names, (QStringList{"IndividualBalanceLogReportBase.xlsx", "IndividualSessionsReportBase.xlsx",
                                 "mirsel/driver/BrandCarReport.xlsx", "mirsel/driver/BrandPaymentReport.xlsx",
                                 "mirsel/driver/ConsolidateDriverReport.xlsx",
                                 "tavik/cards/IndividualCardGroupBalanceLogReport.xlsx",
                                 "tavik/cards/IndividualCardGroupReport.xlsx", "tavik/cdr/MissedCallsReport.xlsx",
                                 "tavik/company/ConsolidatedCompanyReport.xlsx",
                                 "tavik/user/ConsolidatedUserDutiesReport.xlsx",
                                 "tavik/user/ConsolidatedUserSalaryReport.xlsx",
                                 "tavik/user/IndividualUserSalaryReport.xlsx", "tavik/user/UserTransactionsReport.xlsx",
                                 "user/ConsolidatedUserCallsReportBase.xlsx"}));
}

// The committed workbooks are what the generator beside them makes, byte for byte.
void TestReportTemplates::generatorMakesTheCommittedTemplates()
{
    const QString source = qEnvironmentVariable("KORIV_SOURCE_DIR") + "/resources/files_template";
    QTemporaryDir made;
    QProcess generator;
    generator.start("/usr/bin/python3", {source + "/make_templates.py", made.path()});
    QVERIFY(generator.waitForFinished(timeLimit(60000)));
    QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
    QDirIterator it(":/files_template", QDir::Files, QDirIterator::Subdirectories);
    int compared = 0;
    while (it.hasNext()) {
        const QString name = it.next().mid(QStringLiteral(":/files_template/").size());
        QFile carried(it.filePath());
        QFile fresh(made.filePath(name));
        QVERIFY(carried.open(QIODevice::ReadOnly));
        QVERIFY2(fresh.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(carried.readAll() == fresh.readAll(), qPrintable(name + " differs from what make_templates.py makes"));
        ++compared;
    }
    QCOMPARE(compared, 14);
}

void TestReportTemplates::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Anchors>("anchors");
    // The styled row: its number and its columns from 1 to lastColumn.
    QTest::addColumn<int>("styledRow");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    // Number formats of styled cells that the writers keep.
    QTest::addColumn<Anchors>("numberFormats");

    QTest::newRow("balance log") << "IndividualBalanceLogReportBase.xlsx"
                                 << Anchors{{"B1", "ОТЧЕТ ПО БАЛАНСУ"}, {"D3", "от"}, {"D5", "Начальная дата:"},
                                            {"D8", "Sign:"}, {"D9", "ФИО:"}, {"D11", "Текущий баланс:"},
                                            {"C18", "Наименование\nГруппы и типа баланса"}, {"G18", "Дата\nВремя"}}
                                 << 20 << 2 << 7 << Anchors{{"E11", "#,##0.00"}, {"G20", "DD/MM/YY\\ HH:MM"}};
    QTest::newRow("card group balance log")
        << "tavik/cards/IndividualCardGroupBalanceLogReport.xlsx"
        << Anchors{{"B1", "ОТЧЕТ ПО БАЛАНСУ ГРУППЫ КАРТ"}, {"D8", "Серия:"}, {"D11", "Текущий баланс:"},
                   {"B18", "НР\nп/п"}}
        << 20 << 2 << 7 << Anchors{{"F20", "#,##0.00"}};
    QTest::newRow("sessions") << "IndividualSessionsReportBase.xlsx"
                              << Anchors{{"B2", "ИНДИВИДУАЛЬНЫЙ ОТЧЕТ"}, {"B3", "ПО СЕССИЯМ"}, {"D4", "от"},
                                         {"D9", "Sign:"}, {"D10", "ФИО:"}, {"D19", "Длительность (ч.)"}}
                              << 20 << 2 << 5 << Anchors{{"D20", "#,##0.00"}, {"E12", "#,##0.00"}};
    QTest::newRow("brand car") << "mirsel/driver/BrandCarReport.xlsx"
                               << Anchors{{"A1", "Отчет по брендированным машинам"}, {"C4", "от"},
                                          {"B6", "Начальная дата"}, {"B7", "Конечная дата"}, {"A11", "№ п/п"},
                                          {"D11", "Количество заказов"}, {"C12", "ФИО"}, {"O12", "В статусе on order"}}
                               << 13 << 1 << 15 << Anchors{{"H13", "#,###.00"}, {"L13", "0.00"}};
    QTest::newRow("brand payment") << "mirsel/driver/BrandPaymentReport.xlsx"
                                   << Anchors{{"A1", "Отчет по платежам брендированных машин"}, {"B8", "Водители"},
                                              {"A10", "Всего"}, {"A11", "Дата"}, {"B11", "EasyPay"},
                                              {"E11", "Терминалы"}, {"F11", "Всего"}}
                                   << 12 << 1 << 6 << Anchors{{"B10", "0.00"}, {"A12", "dd.mm.yyyy"}};
    QTest::newRow("consolidated driver") << "mirsel/driver/ConsolidateDriverReport.xlsx"
                                         << Anchors{{"B9", "Start date:"}, {"B11", "Days:"}, {"C18", "Total:"},
                                                    {"C19", "SIGN"}, {"M19", "Средние за 24 часа"},
                                                    {"P20", "выручка"}}
                                         << 21 << 2 << 18 << Anchors{{"D11", "0.00"}, {"D18", "0.00"}, {"F18", "0"}};
    QTest::newRow("card group") << "tavik/cards/IndividualCardGroupReport.xlsx"
                                << Anchors{{"A1", "ДЕТАЛІЗОВАНИЙ ЗВІТ"}, {"K3", "від"}, {"A7", "Компанія"},
                                           {"A8", "Серія"}, {"A16", "ID замовлення"}, {"M16", "Коментар для водія"}}
                                << 18 << 1 << 13 << Anchors{};
    QTest::newRow("missed calls") << "tavik/cdr/MissedCallsReport.xlsx"
                                  << Anchors{{"A1", "Отчет по упущенным звонкам"}, {"C7", "От:"},
                                             {"B11", "Компания:"}, {"F17", "Колл-бэки"},
                                             {"I17", "Количество операторов"}}
                                  << 20 << 1 << 9 << Anchors{};
    QTest::newRow("company") << "tavik/company/ConsolidatedCompanyReport.xlsx"
                             << Anchors{{"B9", "Start date:"}, {"A17", "Дата"}, {"J17", "Выручка"}, {"O19", "оборот"}}
                             << 20 << 1 << 15 << Anchors{{"D11", "0.00"}};
    QTest::newRow("user duties") << "tavik/user/ConsolidatedUserDutiesReport.xlsx"
                                 << Anchors{{"A1", "ОТЧЕТ ПО ДЕЖУРСТВАМ."}, {"A11", "ПЛАН "}, {"A16", "РАЗНИЦА (ч.)"},
                                            {"H17", "type"}, {"H18", "dt_start"}}
                                 << 20 << 1 << 8 << Anchors{{"D7", "0.00"}};
    QTest::newRow("user salary") << "tavik/user/ConsolidatedUserSalaryReport.xlsx"
                                 << Anchors{{"C1", "ОТЧЕТ ПО ЗП СВОДНЫЙ"}, {"B9", "Логин"}, {"F10", "цена звонка"},
                                            {"P9", "Дельта"}}
                                 << 11 << 2 << 16 << Anchors{};
    QTest::newRow("individual salary") << "tavik/user/IndividualUserSalaryReport.xlsx"
                                       << Anchors{{"B1", "ОТЧЕТ ПО БАЛАНСУ"}, {"B16", "Наименование группы и типа баланса"},
                                                  {"B19", "Сумма"}, {"B21", "Итого"}}
                                       << 16 << 2 << 3 << Anchors{{"C19", "0.00"}, {"E11", "0.00"}};
    QTest::newRow("transactions") << "tavik/user/UserTransactionsReport.xlsx"
                                  << Anchors{{"B1", "ОТЧЕТ ПО ТРАНЗАКЦИЯМ ПОЛЬЗОВАТЕЛЕЙ"}, {"D3", "от"},
                                             {"C11", "Компания"}, {"J11", "Дата"}}
                                  << 13 << 2 << 10 << Anchors{{"G13", "0.00"}, {"J13", "DD/MM/YYYY\\ HH:MM:SS"}};
    QTest::newRow("user calls") << "user/ConsolidatedUserCallsReportBase.xlsx"
                                << Anchors{{"A1", "Отчет по звонкам и заказам операторов"}, {"B18", "Оператор"},
                                           {"E17", "Звонки"}, {"W17", "Среднее  успешно заверш.заказов"},
                                           {"V19", "%"}}
                                << 20 << 1 << 24 << Anchors{{"D11", "0.00"}};
}

void TestReportTemplates::layout()
{
    QFETCH(QString, name);
    QFETCH(Anchors, anchors);
    QFETCH(int, styledRow);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(Anchors, numberFormats);

    const QString copy = m_folder.filePath(QString(name).replace('/', '_'));
    QFile::remove(copy);
    QVERIFY(QFile::copy(ReportTest::templatePath(name), copy));
    const QJsonObject sheet = ReportTest::sheet(copy);
    for (auto it = anchors.cbegin(); it != anchors.cend(); ++it)
        QCOMPARE(ReportTest::value(sheet, it.key()).toString(), it.value());
    for (auto it = numberFormats.cbegin(); it != numberFormats.cend(); ++it)
        QCOMPARE(ReportTest::cell(sheet, it.key()).value("nf").toString(), it.value());

    // The styled row as the writers read it: a bordered Arial cell in every column they copy.
    Report::Workbook book;
    QVERIFY2(book.open(ReportTest::templatePath(name), m_folder.path(), QStringLiteral("styled")),
             qPrintable(book.errorString()));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const QString reference = Xlsx::CellReference(styledRow, column).toString();
        QVERIFY2(!book.format(styledRow, column).isNull(), qPrintable(name + ": " + reference));
        QCOMPARE(book.format(styledRow, column).fontName(), QStringLiteral("Arial"));
        QVERIFY2(!ReportTest::cell(sheet, reference).value("border").isNull()
                     || name.contains("UserTransactions"),
                 qPrintable(reference));
    }
    QFile::remove(book.fileName());
}

// The brand reports print their whole width (the title spans A:O) on landscape A4 pages, their
// rows on as many pages as they take; the payment report's dates (dd.mm.yyyy) fit their column.
void TestReportTemplates::brandReportsPrintWhole()
{
    for (const QString name : {"mirsel/driver/BrandCarReport.xlsx", "mirsel/driver/BrandPaymentReport.xlsx"}) {
        const QString copy = m_folder.filePath(QString(name).replace('/', '_'));
        QFile::remove(copy);
        QVERIFY(QFile::copy(ReportTest::templatePath(name), copy));
        const QJsonObject sheet = ReportTest::sheet(copy);
        QCOMPARE(sheet.value("orientation").toString(), QStringLiteral("landscape"));
        QCOMPARE(sheet.value("paper").toInt(), 9); // A4
        QVERIFY2(sheet.value("fit_to_page").toBool(), qPrintable(name));
        QCOMPARE(sheet.value("fit_width").toInt(), 1);
        QCOMPARE(sheet.value("fit_height").toInt(), 0);
    }
    const QJsonObject payments = ReportTest::sheet(m_folder.filePath("mirsel_driver_BrandPaymentReport.xlsx"));
    QVERIFY(payments.value("widths").toObject().value("A").toDouble() >= 11);
}

QTEST_GUILESS_MAIN(TestReportTemplates)
#include "tst_reporttemplates.moc"
