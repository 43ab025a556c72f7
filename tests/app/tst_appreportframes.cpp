// The application's menu commands, its widget frames re-created by name, and its five report
// frames over a scripted network: what each command opens, the company table's read right, each
// frame's checks and the exact request it sends.
#include "controller/balance/driverbalancegroup.h"
#include "controller/balance/driverbalancetype.h"
#include "controller/driver/driver.h"
#include "frame/companytable.h"
#include "globaltestbed.h"
#include "optionrights.h"
#include "report/brandpaymentreport.h"
#include "report/brandreport.h"
#include "report/driverbalancereport.h"
#include "report/driverreport.h"
#include "report/driversessionreport.h"
#include "sentmessages.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"

#include "gui/controller/abstractcontroller.h"
#include "gui/controller/network.h"
#include "gui/frame/frameutils.h"
#include "gui/mainwindow/mainmenu.h"
#include "gui/report/interactiveownerkeepertable.h"
#include "gui/report/startenddatetimeedit.h"

#include "client/controller/list/toolbar.h"
#include "client/controller/report.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QJsonDocument>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

// GLOBAL that records what it is asked to open instead of opening it.
class RecordingGlobal : public Global
{
public:
    QStringList urls;
    QList<QVariantMap> options;
    QList<Gui::Frame *> frames;

private:
    QObject *hostQmlFrame(const QString &url, const QVariantMap &opened) override
    {
        urls.append(url);
        options.append(opened);
        return nullptr;
    }
    void hostFrame(Gui::Frame *frame, const QVariantMap &) override { frames.append(frame); }
};

class RecordingWindow : public MainWindow
{
protected:
    Gui::Global *newGlobal() override { return new RecordingGlobal; }
};

// The command of that object name under the menu path ("Driver/Attributes"); null when absent.
QAction *commandAt(QMenuBar *bar, const QString &path, const QString &id)
{
    QList<QAction *> actions = bar->actions();
    for (const QString &title : path.split('/')) {
        QMenu *found = nullptr;
        for (QAction *action : actions) {
            if (action->menu() && Gui::MainMenu::plainText(action->text()) == title)
                found = action->menu();
        }
        if (!found)
            return nullptr;
        actions = found->actions();
    }
    for (QAction *action : actions) {
        if (action->objectName() == id)
            return action;
    }
    return nullptr;
}

QVariantMap optionsOf(const QVariantMap &request)
{
    return QJsonDocument::fromJson(request.value("options").toString().toUtf8()).object().toVariantMap();
}

// 1 March 2024 00:00 to 2 March 2024 23:59:59.999 on the machine's clock (UTC here).
void setPeriod(Gui::StartEndDateTimeEdit *period)
{
    period->setStartDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    period->setEndDateTime(QDateTime(QDate(2024, 3, 2), QTime(23, 59, 59, 999)));
}

// The same wall-clock period at the user's +03:00, as the server takes it.
const QString UserStart = QStringLiteral("1709240400000");
const QString UserEnd = QStringLiteral("1709413199999");

} // namespace

class TestAppReportFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuCommands_data();
    void menuCommands();
    void menuHasNoOtherCommand();
    void companyTableRestored();
    void ownerReports();
    void balanceReport();
    void brandReports();
    void brandDriversAnswers();

private:
    void click(Gui::Report::AbstractReport *frame);
    void deliver(const QString &name, const QString &action, const QVariantMap &params);
    QList<QVariantMap> sent(const QString &fn) const;

    std::unique_ptr<GlobalTestBed> m_bed;
    std::unique_ptr<SentMessages> m_sent;
    QPointer<RecordingWindow> m_window;
    RecordingGlobal *m_global = nullptr;
};

void TestAppReportFrames::initTestCase()
{
    qputenv("TZ", "UTC");
    m_bed = std::make_unique<GlobalTestBed>([] { return std::make_unique<Context>(); });
    SpSingleton<Client::Controller::UserSession>::instance()->handleMessage(
        "saOpen", {{"RES", "10"}, {"rst_id_group", "2"}, {"rst_id_owner", "5"}, {"utc_offset", "180"}, {"utc_dt", "0"}});
}

void TestAppReportFrames::init()
{
    m_window = new RecordingWindow;
    m_window->createGlobal();
    m_global = static_cast<RecordingGlobal *>(Context::global());
    m_window->setup();
    disconnect(m_global, &Gui::Global::closing, m_window, nullptr);
    m_sent = std::make_unique<SentMessages>(m_bed->network());
    for (const char *name : {"company", "brandCarReport", "brandPaymentReport", "driverConsolidatedReport",
                             "driverBalanceReport", "driverSessionReport"})
        m_bed->rights().grantRead(name);
}

void TestAppReportFrames::cleanup()
{
    qDeleteAll(m_global->frames);
    m_sent.reset();
    delete m_window;
    m_bed->rights().clear();
    m_bed->watchdog().reset();
}

void TestAppReportFrames::click(Gui::Report::AbstractReport *frame)
{
    frame->createButton()->click();
}

void TestAppReportFrames::deliver(const QString &name, const QString &action, const QVariantMap &params)
{
    m_bed->network()->dispatchMessage(name, action, params);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QList<QVariantMap> TestAppReportFrames::sent(const QString &fn) const
{
    QList<QVariantMap> found;
    for (const QVariantMap &message : m_sent->maps()) {
        if (message.value("FN") == fn)
            found.append(message);
    }
    return found;
}

void TestAppReportFrames::menuCommands_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");
    // A page's URL, or the class of a widget frame.
    QTest::addColumn<QString>("opens");

    const auto page = [](const char *menu, const char *text, const char *id, const char *url) {
        QTest::newRow(id) << menu << text << QString("qrc:/qml/%1.qml").arg(url);
    };
    page("Company", "Companies", "companies", "company/company/CompanyTable");
    page("Company", "Terminal Companies", "terminalCompanies", "company/terminal-company/TerminalCompanyTable");
    page("Driver", "Drivers", "drivers", "driver/driver/DriverTable");
    page("Driver", "Drivers In Archive", "driversArchive", "driver/driver/DriverArchiveTable");
    page("Driver", "Driver Groups", "driverGroups", "driver/driver-group/DriverGroupTable");
    page("Driver", "Driver Sessions", "driverSessions", "driver/driver-session/DriverSessionTable");
    page("Driver", "Driver Rating Coefficients", "driverRatingCoefficients",
         "driver/driver-rating-coefficient/DriverRatingCoefficientTable");
    page("Driver", "Driver Raise Rating", "driverRaiseRating", "driver/driver-raise-rating/DriverRaiseRatingEditor");
    page("Driver", "Crash Reports", "crashReport", "crash/CrashReportTable");
    page("Driver", "Cars", "cars", "driver/car/CarTable");
    page("Driver", "Driver Balance Transfers", "driverBalanceTransfers",
         "driver/driver-balance-transfer/DriverBalanceTransferTable");
    page("Driver", "Driver Paid Service Types", "driverPaidServiceTypes",
         "driver/driver-paid-service-type/DriverPaidServiceTypeTable");
    page("Driver/Attributes", "Car Brands", "carBrands", "driver/attributes/CarBrandsTable");
    page("Driver/Attributes", "Car Body Types", "carBodyTypes", "driver/attributes/CarBodyTypesTable");
    page("Driver/Attributes", "Car Colors", "carColors", "driver/attributes/CarColorsTable");
    page("User", "Users", "users", "user/user/UserTable");
    page("User", "User Groups", "userGroups", "user/user-group/UserGroupTable");
    page("User", "User Sessions", "userSessions", "user/user-session/UserSessionTable");
    page("Address", "Cities", "cities", "address/city/CityTable");
    page("Payment", "Payment Systems", "paymentSystems", "payment/payment-system/PaymentSystemTable");
    page("Payment", "Payment System Logs", "paymentSystemLogs", "payment/payment-system-log/PaymentSystemLogTable");
    page("Tools", "Versions", "versions", "version/VersionEditor");
    QTest::newRow("driverReport") << "Report" << "Driver Report" << "DriverReport";
    QTest::newRow("driverBalanceReport") << "Report" << "Driver Balance Report" << "DriverBalanceReport";
    QTest::newRow("driverSessionReport") << "Report" << "Driver Session Report" << "DriverSessionReport";
    QTest::newRow("brandReport") << "Report" << "Brand Report" << "BrandReport";
    QTest::newRow("brandPaymentReport") << "Report" << "Brand Payment Report" << "BrandPaymentReport";
}

void TestAppReportFrames::menuCommands()
{
    QFETCH(QString, menu);
    QFETCH(QString, text);
    QFETCH(QString, opens);
    const QString id = QString::fromLatin1(QTest::currentDataTag());

    QAction *command = commandAt(m_window->menuBar(), menu, id);
    QVERIFY2(command, qPrintable(menu + " has no " + id));
    QCOMPARE(Gui::MainMenu::plainText(command->text()), text);
    QVERIFY(command->shortcut().isEmpty());
    command->trigger();
    if (opens.startsWith("qrc:")) {
        QCOMPARE(m_global->urls, QStringList{opens});
        // The version editor finds its rows by code: it opens without an id.
        QCOMPARE(m_global->options.first(), QVariantMap());
        QVERIFY(m_global->frames.isEmpty());
    } else {
        QVERIFY(m_global->urls.isEmpty());
        QCOMPARE(m_global->frames.size(), 1);
        Gui::Frame *frame = m_global->frames.first();
        QCOMPARE(frame->metaObject()->className(), qPrintable(opens));
        // A saved GUI session finds the frame again under its command's name.
        QCOMPARE(frame->settingsName(), id);
        QVERIFY(!frame->title().isEmpty());
    }
    // The launcher and the tool bar find the command by its id.
    QVERIFY(m_global->toolBar()->originalModel()->checkValueByRole("commandId", id) >= 0);
}

void TestAppReportFrames::menuHasNoOtherCommand()
{
    // Every command of the application's menus, the Report menu and "Versions" among the Tools:
    // each id once (the widget company table has no command of its own).
    QStringList ids;
    for (const char *path : {"Company", "Driver", "Driver/Attributes", "User", "Address", "Payment", "Report"}) {
        QList<QAction *> actions = m_window->menuBar()->actions();
        for (const QString &title : QString(path).split('/')) {
            for (QAction *action : actions) {
                if (action->menu() && Gui::MainMenu::plainText(action->text()) == title) {
                    actions = action->menu()->actions();
                    break;
                }
            }
        }
        for (QAction *action : actions) {
            if (!action->isSeparator() && !action->menu())
                ids.append(action->objectName());
        }
    }
    QCOMPARE(ids.size(), 26);
    QCOMPARE(ids.count("companies"), 1);
    QVERIFY(commandAt(m_window->menuBar(), "Tools", "versions"));
    // The default tool bar's commands exist.
    for (const char *id : {"users", "drivers"})
        QVERIFY2(m_window->menuBar()->findChild<QAction *>(id), id);
}

void TestAppReportFrames::companyTableRestored()
{
    // A saved GUI session's widget frame comes back by its name and asks for its rows at once.
    QObject *restored = Gui::Utils::restoreFrame({{"name", "companyTable"}});
    auto *table = qobject_cast<CompanyTable *>(restored);
    QVERIFY(table);
    QCOMPARE(m_global->frames, QList<Gui::Frame *>{table});
    QCOMPARE(table->settingsName(), QString("companyTable"));
    QCOMPARE(table->title(), QString("Companies"));
    QCOMPARE(m_sent->maps(), (QList<QVariantMap>{{{"FN", "company_trGetList"},
                                                   {"RECEIVER", table->controller()->receiver()}}}));
    table->afterShow();
    QVERIFY(m_bed->watchdog().boxes().isEmpty());
    // A name this program has no frame for opens nothing.
    QVERIFY(!Gui::Utils::restoreFrame({{"name", "cardGroupReport"}}));

    // Without the read right (a hand-edited session) nothing is asked and the frame says why.
    m_bed->rights().clear();
    m_sent->clear();
    auto *refused = qobject_cast<CompanyTable *>(Gui::Utils::restoreFrame({{"name", "companyTable"}}));
    QVERIFY(refused && !refused->isReadAllowed());
    QCOMPARE(m_sent->count(), 0);
    refused->afterShow();
    QCOMPARE(m_bed->watchdog().texts().size(), 1);
    QVERIFY2(m_bed->watchdog().texts().first().contains("access privileges"),
             qPrintable(m_bed->watchdog().texts().first()));
}

void TestAppReportFrames::ownerReports()
{
    DriverReport consolidated;
    setPeriod(consolidated.periodEdit());
    // No owners: said, nothing sent.
    click(&consolidated);
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
    QCOMPARE(m_sent->count(), 0);
    // Chosen on the driver page; a row without a numeric id is skipped, 64-bit ids kept.
    consolidated.ownerTable()->addSelection(QVariantList{QVariantMap{{"id", "9007199254740993"}, {"sign", "big"}},
                                                         QVariantMap{{"id", "abc"}, {"sign", "odd"}},
                                                         QVariantMap{{"id", "12"}, {"sign", "d12"}}});
    click(&consolidated);
    QList<QVariantMap> requests = sent("report_trCreate");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value("type").toInt(), 13);
    QCOMPARE(requests.first().value("RECEIVER").toString(), consolidated.reportController()->objectNumber());
    QCOMPARE(optionsOf(requests.first()),
             (QVariantMap{{"id_owners_list", QVariantList{"9007199254740993", "12"}},
                          {"utc", "180"},
                          {"dt_utc_insert_start", UserStart},
                          {"dt_utc_insert_end", UserEnd}}));
    QCOMPARE(consolidated.outputName(), QString("driver_report"));
    QCOMPARE(consolidated.templatePath(), QString(":/files_template/mirsel/driver/ConsolidateDriverReport.xlsx"));
    // A refused report says so and lets the operator try again.
    QVERIFY(!consolidated.isEnabled());
    deliver("report", "saCreate",
            {{"RECEIVER", consolidated.reportController()->objectNumber()}, {"RES", "0"}, {"ERRCODE", "50"}});
    QVERIFY(consolidated.isEnabled());
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);

    m_sent->clear();
    DriverSessionReport sessions;
    setPeriod(sessions.periodEdit());
    sessions.ownerTable()->addOwner(7, "d7");
    click(&sessions);
    requests = sent("report_trCreate");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value("type").toInt(), 15);
    QCOMPARE(optionsOf(requests.first()),
             (QVariantMap{{"rst_id_owner", QVariantList{7}},
                          {"utc", "180"},
                          {"date_truncate", "day"},
                          {"dt_utc_insert_start", UserStart},
                          {"dt_utc_insert_end", UserEnd}}));
    QCOMPARE(sessions.outputName(), QString("driver_session_report"));

    // Without the report's right: said, nothing sent.
    m_bed->rights().clear();
    m_sent->clear();
    DriverSessionReport refused;
    refused.ownerTable()->addOwner(7, "d7");
    click(&refused);
    QCOMPARE(m_sent->count(), 0);
    QCOMPARE(m_bed->watchdog().takeBoxes().first().text, QString("You don't have access for this report"));
}

void TestAppReportFrames::balanceReport()
{
    // The groups and types the shared lists hold; the placeholders are never offered.
    DriverBalanceGroup groups;
    DriverBalanceType types;
    for (const QVariantMap &row : {QVariantMap{{"id", "1"}, {"name", "[All groups]"}},
                                   QVariantMap{{"id", "3"}, {"name", "Bonus"}}, QVariantMap{{"id", "2"}, {"name", "Cash"}}})
        groups.originalModel()->addRow(row);
    for (const QVariantMap &row : {QVariantMap{{"id", "1"}, {"rst_id_bg", "1"}, {"name", "[All types]"}},
                                   QVariantMap{{"id", "30"}, {"rst_id_bg", "3"}, {"name", "Order"}},
                                   QVariantMap{{"id", "31"}, {"rst_id_bg", "3"}, {"name", "Extra"}},
                                   QVariantMap{{"id", "20"}, {"rst_id_bg", "2"}, {"name", "Refill"}}})
        types.originalModel()->addRow(row);

    DriverBalanceReport report;
    report.beforeShow();
    QCOMPARE(report.groupTable()->rowCount(), 2);
    QCOMPARE(report.groupTable()->item(0, 0)->text(), QString("Bonus"));
    QCOMPARE(report.typeTable()->rowCount(), 2);
    setPeriod(report.periodEdit());
    report.ownerTable()->addOwner(5, "d5");
    // No type chosen: said, nothing sent.
    click(&report);
    QCOMPARE(m_bed->watchdog().takeBoxes().first().text, QString("Balance types is not selected"));
    QCOMPARE(m_sent->count(), 0);

    report.typeTable()->selectRow(1);
    // A reload reorders the live lists; the chosen row keeps its own id.
    types.originalModel()->addRow({{"id", "29"}, {"rst_id_bg", "3"}, {"name", "Aaa"}});
    click(&report);
    const QList<QVariantMap> requests = sent("report_trCreate");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value("type").toInt(), 14);
    QCOMPARE(optionsOf(requests.first()),
             (QVariantMap{{"rst_id_owner", QVariantList{"5"}},
                          {"rst_id_bt", QVariantList{"30"}},
                          {"group_by_bt", true},
                          {"sign_role", "sign"},
                          {"utc", "180"},
                          {"dt_utc_insert_start", UserStart},
                          {"dt_utc_insert_end", UserEnd}}));
    QCOMPARE(report.outputName(), QString("driver_balance_report"));
    for (const char *id : {"1", "2", "3"})
        groups.originalModel()->delRow(id);
    for (const char *id : {"1", "20", "29", "30", "31"})
        types.originalModel()->delRow(id);
}

void TestAppReportFrames::brandReports()
{
    BrandReport brands;
    // A period that ends before it starts: said, nothing sent.
    brands.periodEdit()->setStartDateTime(QDateTime(QDate(2024, 3, 3), QTime(0, 0)));
    brands.periodEdit()->setEndDateTime(QDateTime(QDate(2024, 3, 2), QTime(0, 0)));
    click(&brands);
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
    QCOMPARE(m_sent->count(), 0);
    setPeriod(brands.periodEdit());
    click(&brands);
    QList<QVariantMap> requests = sent("report_trCreate");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value("type").toInt(), 11);
    QCOMPARE(optionsOf(requests.first()),
             (QVariantMap{{"utc", "180"}, {"dt_utc_insert_start", UserStart}, {"dt_utc_insert_end", UserEnd}}));
    QCOMPARE(brands.outputName(), QString("brand_car_report"));

    m_sent->clear();
    BrandPaymentReport payments;
    setPeriod(payments.periodEdit());
    click(&payments);
    QCOMPARE(m_bed->watchdog().takeBoxes().first().text, QString("Absent owners for creating report"));
    payments.periodEdit()->setEndDateTime(QDateTime(QDate(2024, 2, 1), QTime(0, 0)));
    payments.periodEdit()->applyButton()->click();
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
    QCOMPARE(m_sent->count(), 0);
    setPeriod(payments.periodEdit());
    // Apply asks for the drivers of the same period that Create reports on.
    payments.periodEdit()->applyButton()->click();
    const QList<QVariantMap> asked = sent("driver_trGetBrandDrivers");
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first(), (QVariantMap{{"FN", "driver_trGetBrandDrivers"},
                                         {"RECEIVER", payments.driverController()->objectNumber()},
                                         {"dt_utc_insert_start", UserStart},
                                         {"dt_utc_insert_end", UserEnd}}));
    QVERIFY(!payments.isEnabled());
    deliver("driver", "saGetBrandDrivers",
            {{"RECEIVER", payments.driverController()->objectNumber()},
             {"RES", "10"},
             {"drivers", R"([{"id": 9007199254740993, "sign": "big"}, {"id": "x", "sign": "odd"},)"
                         R"( {"id": 12, "sign": "d12"}])"}});
    QVERIFY(payments.isEnabled());
    QCOMPARE(payments.ownerTable()->ownerIdList(), (QList<qint64>{9007199254740993LL, 12}));
    click(&payments);
    requests = sent("report_trCreate");
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().value("type").toInt(), 12);
    QCOMPARE(optionsOf(requests.first()),
             (QVariantMap{{"id_owners_list", QVariantList{"9007199254740993", "12"}},
                          {"signs", QVariantList{"big", "d12"}},
                          {"utc", "180"},
                          {"dt_utc_insert_start", UserStart},
                          {"dt_utc_insert_end", UserEnd}}));
}

void TestAppReportFrames::brandDriversAnswers()
{
    BrandPaymentReport payments;
    QPushButton *apply = payments.periodEdit()->applyButton();
    const auto answer = [&](const QString &receiver, const QString &res, const QString &drivers) {
        deliver("driver", "saGetBrandDrivers", {{"RECEIVER", receiver}, {"RES", res}, {"drivers", drivers}});
    };
    // Another frame's answer is not taken; the own one adds each driver once.
    apply->click();
    answer("999999", "10", R"([{"id": 3, "sign": "c3"}])");
    QVERIFY(!payments.isEnabled());
    answer(payments.driverController()->objectNumber(), "10", R"([{"id": 4, "sign": "d4"}])");
    apply->click();
    answer(payments.driverController()->objectNumber(), "10", R"([{"id": 4, "sign": "d4"}, {"id": 5, "sign": "e5"}])");
    QCOMPARE(payments.ownerTable()->ownerIdList(), (QList<qint64>{4, 5}));
    // A refusal says why and changes nothing.
    apply->click();
    answer(payments.driverController()->objectNumber(), "0", "");
    QVERIFY(payments.isEnabled());
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
    QCOMPARE(payments.ownerTable()->ownerCount(), 2);
    // A list that gives a member twice is read with its last value.
    apply->click();
    answer(payments.driverController()->objectNumber(), "10", R"([{"id": 7, "sign": ["g7"], "sign": "h7"}])");
    QVERIFY(payments.isEnabled());
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 0);
    QCOMPARE(payments.ownerTable()->ownerIdList(), (QList<qint64>{4, 5, 7}));
    QCOMPARE(payments.ownerTable()->ownerNames().last().toString(), QString("h7"));

    // No answer: the frame comes back with a message, and a late answer is ignored.
    payments.setAnswerTimeout(50ms);
    apply->click();
    const QString late = payments.driverController()->objectNumber();
    QVERIFY(!payments.isEnabled());
    QTRY_VERIFY(payments.isEnabled());
    QVERIFY(!payments.isApplying());
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
    answer(late, "10", R"([{"id": 6, "sign": "f6"}])");
    QCOMPARE(payments.ownerTable()->ownerCount(), 3);

    // A dropped connection ends the wait at once.
    payments.setAnswerTimeout(60s);
    apply->click();
    emit m_bed->network()->connectionState(false);
    QVERIFY(payments.isEnabled());
    QCOMPARE(m_bed->watchdog().takeBoxes().size(), 1);
}

QTEST_MAIN(TestAppReportFrames)
#include "tst_appreportframes.moc"
