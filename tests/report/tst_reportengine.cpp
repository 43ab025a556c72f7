#include "reporttest.h"

#include "report/base/balancelog.h"
#include "report/base/session.h"
#include "report/castmodel.h"
#include "report/mirsel/brandcar.h"
#include "report/mirsel/brandpayment.h"
#include "report/mirsel/driver.h"
#include "report/options.h"
#include "report/tavik/cardgroup.h"
#include "report/tavik/company.h"
#include "report/tavik/consolidatedusersalary.h"
#include "report/tavik/individualusersalary.h"
#include "report/tavik/missedcall.h"
#include "report/tavik/usercall.h"
#include "report/tavik/userduty.h"
#include "report/tavik/usertransaction.h"
#include "report/reportfactory.h"
#include "report/sqltext.h"
#include "report/workbook.h"

#include "model/base/creator.h"
#include "model/tavik/card/cardgroup.h"
#include "model/tavik/user/user.h"

#include "common/core/db/db.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <typeinfo>

#include <sys/resource.h>

using namespace Report;

// The report engine: the factory, generate(), queryToJson, the casts, output names and the
// checks of values that reach SQL text.
class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void factory_data();
    void factory();
    void completionCodes();
    void queryToJsonOverPostgreSql();
    void generateRefusesWhatIsNoReportData_data();
    void generateRefusesWhatIsNoReportData();
    void emptyResults();
    void castModel();
    void outputNamesNeverCollide();
    void failedSaveLeavesNothing();
    void safeFileNames_data();
    void safeFileNames();
    void integersForSqlText_data();
    void integersForSqlText();
    void placeholderList();
    void stepsAndIntervals();
    void optionValues();
};

void TestReportEngine::factory_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("table");
    QTest::newRow("-1") << -1 << QString() << QString();
    QTest::newRow("0 card group") << 0 << typeid(Tavik::CardGroup).name() << QString();
    QTest::newRow("1 card balance") << 1 << typeid(Base::BalanceLog).name() << "card_balance_logs";
    QTest::newRow("2 company") << 2 << typeid(Tavik::Company).name() << QString();
    QTest::newRow("3 user salaries") << 3 << typeid(Tavik::ConsolidatedUserSalary).name() << QString();
    QTest::newRow("4 user salary") << 4 << typeid(Tavik::IndividualUserSalary).name() << QString();
    QTest::newRow("5 missed calls") << 5 << typeid(Tavik::MissedCall).name() << QString();
    QTest::newRow("6 user balance") << 6 << typeid(Base::BalanceLog).name() << "user_balance_logs";
    QTest::newRow("7 user calls") << 7 << typeid(Tavik::UserCall).name() << QString();
    QTest::newRow("8 user duties") << 8 << typeid(Tavik::UserDuty).name() << QString();
    QTest::newRow("9 user sessions") << 9 << typeid(Base::Session).name() << "user_sessions";
    QTest::newRow("10 user transactions") << 10 << typeid(Tavik::UserTransaction).name() << QString();
    QTest::newRow("11 brand car") << 11 << typeid(Mirsel::BrandCar).name() << QString();
    QTest::newRow("12 brand payment") << 12 << typeid(Mirsel::BrandPayment).name() << QString();
    QTest::newRow("13 drivers") << 13 << typeid(Mirsel::Driver).name() << QString();
    QTest::newRow("14 driver balance") << 14 << typeid(Base::BalanceLog).name() << "driver_balance_logs";
    QTest::newRow("15 driver sessions") << 15 << typeid(Base::Session).name() << "driver_sessions";
    QTest::newRow("16") << 16 << QString() << QString();
    QTest::newRow("1000") << 1000 << QString() << QString();
}

void TestReportEngine::factory()
{
    QFETCH(int, type);
    QFETCH(QString, className);
    QFETCH(QString, table);
    const QSharedPointer<AbstractReport> report = createReport(type);
    QCOMPARE(report.isNull(), className.isEmpty());
    if (!report)
        return;
    QCOMPARE(QString::fromLatin1(typeid(*report).name()), className);
    if (auto *balance = dynamic_cast<Base::BalanceLog *>(report.data()))
        QCOMPARE(balance->tableName(), table);
    if (auto *session = dynamic_cast<Base::Session *>(report.data()))
        QCOMPARE(session->tableName(), table);
}

void TestReportEngine::completionCodes()
{
    QCOMPARE(Report::completedCodes(), (QVector<qint32>{1070, 5000, 7000, 7001, 7002, 9000}));
    QCOMPARE(Common::Db::sqlList(), QStringLiteral("(1070, 5000, 7000, 7001, 7002, 9000)"));
}

void TestReportEngine::queryToJsonOverPostgreSql()
{
    PG_SCHEMA(pg);
    QSqlQuery query(pg.database());
    QVERIFY(pg.db()->exec(query,
                          QStringLiteral("SELECT 3000000000::bigint AS big, 12.345::numeric AS num, "
                                         "2.5::double precision AS dbl, 'Водій'::text AS name, "
                                         "timestamp '2024-03-01 10:20:30' AS at, NULL::integer AS nothing "
                                         "FROM generate_series(1, 2)"),
                          {}));
    const QJsonArray rows = AbstractReport::queryToJson(query);
    QCOMPARE(rows.size(), 2);
    const QJsonObject row = rows.first().toObject();
    QCOMPARE(row.keys(), (QStringList{"at", "big", "dbl", "name", "nothing", "num"}));
    QCOMPARE(row.value("big").toDouble(), 3000000000.0);
    QCOMPARE(row.value("num").toDouble(), 12.345);
    QCOMPARE(row.value("dbl").toDouble(), 2.5);
    QCOMPARE(row.value("name").toString(), QStringLiteral("Водій"));
    QCOMPARE(row.value("at").toString(), QStringLiteral("2024-03-01T10:20:30.000"));
    QVERIFY(row.value("nothing").isNull());
}

void TestReportEngine::generateRefusesWhatIsNoReportData_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QString>("reason");
    QTest::newRow("array") << "[{\"options\": {}, \"results\": []}]" << "not a JSON object";
    QTest::newRow("not JSON") << "RES=10" << "not JSON";
    QTest::newRow("empty") << "" << "not JSON";
    QTest::newRow("no results") << "{\"options\": {}}" << "no \"results\" array";
    QTest::newRow("results not array") << "{\"options\": {}, \"results\": {}}" << "no \"results\" array";
    QTest::newRow("no options") << "{\"results\": []}" << "no \"options\" object";
}

// A report that writes a single workbook would fill it with 1970 dates from an empty object;
// nothing that is not report data writes a workbook.
void TestReportEngine::generateRefusesWhatIsNoReportData()
{
    QFETCH(QString, json);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    Mirsel::BrandCar report(nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("The report answer"));
    QVERIFY(!report.generate(json, folder.path(), ReportTest::templatePath("mirsel/driver/BrandCarReport.xlsx")));
    QVERIFY2(report.errorString().contains(reason), qPrintable(report.errorString()));
    QVERIFY(report.writtenFiles().isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// Reports of one workbook per owner write none; single-workbook reports write their header.
void TestReportEngine::emptyResults()
{
    QTemporaryDir folder;
    const QJsonObject options{{"utc", "180"}, {"dt_utc_insert_start", "1709251200000"},
                              {"dt_utc_insert_end", "1709337599000"}};
    Base::BalanceLog balance(nullptr, "driver_balance_logs");
    QCOMPARE(ReportTest::write(balance, options, {}, folder.path() + "/balance", "IndividualBalanceLogReportBase.xlsx"),
             QStringList());
    QVERIFY(balance.errorString().isEmpty());

    Mirsel::BrandCar brand(nullptr);
    const QStringList files =
        ReportTest::write(brand, options, {}, folder.path() + "/brand", "mirsel/driver/BrandCarReport.xlsx");
    QCOMPARE(files.size(), 1);
    // The output lies below a folder named by the local time of writing, the file by the same.
    QCOMPARE(files.first(), folder.path() + "/brand/20240305_17_07_09/20240305_17_07_09.xlsx");
    QCOMPARE(brand.writtenFiles(), files);
    const QJsonObject sheet = ReportTest::sheet(files.first());
    QCOMPARE(ReportTest::value(sheet, "D4").toString(), QStringLiteral("05 Mar 2024, 17:07 UTC+03:00"));
    QCOMPARE(ReportTest::value(sheet, "D6").toString(), QStringLiteral("01 Mar 2024, 03:00 UTC+03:00"));
    QCOMPARE(ReportTest::value(sheet, "A1").toString(), QStringLiteral("Отчет по брендированным машинам"));
    QVERIFY(ReportTest::value(sheet, "A13").isNull());
}

void TestReportEngine::castModel()
{
    Model::Tavik::User user;
    QCOMPARE(Report::castModel<Model::Base::Owner>(&user), &user);
    Model::Tavik::CardGroup group;
    QCOMPARE(Report::castModel<Model::Base::Owner>(&group), &group);
    try {
        Report::castModel<Model::Tavik::CardGroup>(&user);
        QFAIL("a user catalogue passed as a card group");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("Bad cast"));
    }
    try {
        Report::castModel<Model::Base::Owner>(nullptr);
        QFAIL("no catalogue passed as an owner");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("Bad cast"));
    }
}

// Two owners of one sign written in the same second, and a file left at the name from an earlier
// request: every workbook gets a name of its own and no file is written over.
void TestReportEngine::outputNamesNeverCollide()
{
    QTemporaryDir folder;
    const QString stampFolder = folder.path() + "/20240305_17_07_09";
    QVERIFY(QDir().mkpath(stampFolder));
    const QString leftOver = stampFolder + "/20240305_17_07_09-d7.xlsx";
    {
        QFile file(leftOver);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an earlier report");
    }
    const QJsonObject options{{"utc", "180"}};
    const QJsonArray owners{QJsonObject{{"sign", "d7"}, {"values", QJsonArray{}}},
                            QJsonObject{{"sign", "d7"}, {"values", QJsonArray{}}},
                            QJsonObject{{"sign", "../d7"}, {"values", QJsonArray{}}}};
    Base::Session report(nullptr, "driver_sessions");
    const QStringList files =
        ReportTest::write(report, options, owners, folder.path(), "IndividualSessionsReportBase.xlsx");
    QCOMPARE(files, (QStringList{stampFolder + "/20240305_17_07_09-_d7.xlsx",
                                 stampFolder + "/20240305_17_07_09-d7-2.xlsx",
                                 stampFolder + "/20240305_17_07_09-d7-3.xlsx", leftOver}));
    QCOMPARE(report.writtenFiles().size(), 3);
    QFile file(leftOver);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("an earlier report"));
    QCOMPARE(QFileInfo(files.last()).permissions() & (QFile::ReadUser | QFile::WriteUser),
             QFile::ReadUser | QFile::WriteUser);

    // A template that cannot be read leaves nothing behind and says so.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read the report template"));
    QVERIFY(!report.generate(QStringLiteral("{\"options\": {}, \"results\": [{\"sign\": \"x\"}]}"), folder.path(),
                             ":/files_template/missing.xlsx"));
    QCOMPARE(QDir(stampFolder).entryList(QDir::Files).size(), 4);
}

void TestReportEngine::failedSaveLeavesNothing()
{
    // The disk fills while the workbook is saved (a file size limit of 32 KiB: the copied
    // template fits, the filled workbook does not). The report says it could not save, and
    // neither the copy nor the folder made for it stays behind to pass for an empty report.
    QTemporaryDir folder;
    QJsonArray values;
    for (int i = 0; i < 20000; ++i)
        values.append(QJsonObject{{"date_trunc", QString("2024-03-%1T00:00:00").arg(1 + i % 28, 2, 10, QChar('0'))},
                                  {"duration", 3600 + i}});
    const QJsonObject data{{"options", QJsonObject{{"utc", "180"}}},
                           {"results", QJsonArray{QJsonObject{{"sign", "d7"}, {"values", values}}}}};
    const QString json = QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact));
    Base::Session report(nullptr, "driver_sessions");
    report.setClock([] { return ReportTest::fixedNow; });
    rlimit unlimited{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = unlimited;
    small.rlim_cur = 32 << 10;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot save the report .*-d7\\.xlsx"));
    const bool written = report.generate(json, folder.path(), ReportTest::templatePath("IndividualSessionsReportBase.xlsx"));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, previous);
    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(folder.path()).entryList(everything), QStringList());
    QVERIFY(!written);
    QVERIFY2(report.errorString().startsWith("Cannot save the report"), qPrintable(report.errorString()));
    QVERIFY(report.writtenFiles().isEmpty());

    // With room, the same report is written whole under its name, with nothing beside it.
    QVERIFY(report.generate(json, folder.path(), ReportTest::templatePath("IndividualSessionsReportBase.xlsx")));
    QCOMPARE(report.writtenFiles().size(), 1);
    const QFileInfo file(report.writtenFiles().first());
    QCOMPARE(QDir(file.absolutePath()).entryList(everything), QStringList{file.fileName()});
    QVERIFY(file.size() > small.rlim_cur);
}

void TestReportEngine::safeFileNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Водій 7" << "Водій 7";
    QTest::newRow("separators") << "a/b\\c" << "a_b_c";
    QTest::newRow("parent") << "../../etc/passwd" << "_.._etc_passwd";
    QTest::newRow("refused") << "x:y*z?\"<>|" << "x_y_z_____";
    QTest::newRow("control") << QString("a\nb\tc") << "a_b_c";
    QTest::newRow("dots and blanks") << " ..name.. " << "name";
    QTest::newRow("nothing left") << " .. " << "_";
    QTest::newRow("empty") << "" << "_";
    QTest::newRow("long") << QString(200, 'x') << QString(80, 'x');
    // Marks that make a name show in another order than it is: with the override, this one shows
    // as "invoiceexe.xslx".
    QTest::newRow("right-to-left override") << QString::fromUtf8("invoice\u202Exlsx.exe") << "invoice_xlsx.exe";
    QTest::newRow("isolates and marks") << QString::fromUtf8("a\u2067b\u2069c\u200Fd\u061Ce") << "a_b_c_d_e";
    QTest::newRow("line separator") << QString::fromUtf8("a\u2028b") << "a_b";
    QTest::newRow("lone surrogate") << QString("a") + QChar(0xD800) + "b" << "a_b";
    // The cut keeps whole characters: a pair of surrogates, a letter with its accent.
    QTest::newRow("surrogate pair at the cut") << QString(79, 'x') + QString::fromUtf8("\U0001F600") << QString(79, 'x');
    QTest::newRow("surrogate pair within") << QString(78, 'x') + QString::fromUtf8("\U0001F600")
                                          << QString(78, 'x') + QString::fromUtf8("\U0001F600");
    QTest::newRow("accent at the cut") << QString(79, 'x') + QString::fromUtf8("e\u0301") << QString(79, 'x');
    QTest::newRow("dot at the cut") << QString(79, 'x') + ". tail" << QString(79, 'x');
}

void TestReportEngine::safeFileNames()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(Workbook::safeFileName(text), name);
}

void TestReportEngine::integersForSqlText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("id") << "12" << true;
    QTest::newRow("negative") << "-3" << true;
    QTest::newRow("largest") << "9223372036854775807" << true;
    QTest::newRow("too large") << "9223372036854775808" << false;
    QTest::newRow("huge") << "99999999999999999999999" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank") << " 5" << false;
    QTest::newRow("quote") << "5'" << false;
    QTest::newRow("fragment") << "1) OR (1=1" << false;
    QTest::newRow("statement") << "1; DROP TABLE drivers" << false;
    QTest::newRow("plus") << "+5" << false;
    QTest::newRow("fraction") << "1.5" << false;
}

void TestReportEngine::integersForSqlText()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    try {
        QCOMPARE(SqlText::checkedInteger(text, "A driver id"), text);
        QVERIFY(accepted);
    } catch (const Exception &e) {
        QVERIFY2(!accepted, qPrintable(e.message()));
        QVERIFY(e.message().startsWith("A driver id is not a decimal integer"));
    }
}

void TestReportEngine::placeholderList()
{
    QVariantMap binds{{":other", 1}};
    QCOMPARE(SqlText::placeholderList("rst_id_owner", QStringList{"5", "x'y"}, binds),
             QStringLiteral("IN (0, :rst_id_owner0, :rst_id_owner1) "));
    QCOMPARE(binds, (QVariantMap{{":other", 1}, {":rst_id_owner0", "5"}, {":rst_id_owner1", "x'y"}}));
    QVariantMap none;
    QCOMPARE(SqlText::placeholderList("p", QVariantList{}, none), QStringLiteral("IN (0) "));
    QVERIFY(none.isEmpty());
}

void TestReportEngine::stepsAndIntervals()
{
    QCOMPARE(SqlText::stepInterval("hour"), QStringLiteral("1 hours"));
    QCOMPARE(SqlText::stepInterval("week"), QStringLiteral("1 weeks"));
    QCOMPARE(SqlText::stepInterval("quarter"), QStringLiteral("3 months"));
    for (const char *bad : {"", "minutes", "day'); DROP TABLE x; --", "Hour"}) {
        QVERIFY_EXCEPTION_THROWN(SqlText::checkedStep(QString::fromUtf8(bad)), Exception);
    }
}

void TestReportEngine::optionValues()
{
    const Options options(QJsonObject{{"text", "180"},
                                      {"number", 180},
                                      {"negative", -90},
                                      {"big", 1709647629000.0},
                                      {"fraction", 2.5},
                                      {"flag", true},
                                      {"ids", QJsonArray{"5", 6, 7.0}}});
    QCOMPARE(options.text("text"), QStringLiteral("180"));
    QCOMPARE(options.text("number"), QStringLiteral("180"));
    QCOMPARE(options.text("big"), QStringLiteral("1709647629000"));
    QCOMPARE(options.text("fraction"), QStringLiteral("2.5"));
    QCOMPARE(options.text("flag"), QString());
    QCOMPARE(options.text("absent"), QString());
    QCOMPARE(options.toLongLong("text"), qint64(180));
    QCOMPARE(options.toLongLong("negative"), qint64(-90));
    QCOMPARE(options.toLongLong("big"), qint64(1709647629000));
    QCOMPARE(options.toLongLong("absent"), qint64(0));
    QCOMPARE(options.texts("ids"), (QStringList{"5", "6", "7"}));
    QVERIFY(options.flag("flag"));
    QVERIFY(!options.flag("absent"));
}

QTEST_GUILESS_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
