// The application's GLOBAL over a scripted network: the fourteen shared catalogues with their
// placeholder rows, the first lists in their order, the shared driver list fed by single-record
// answers, the main window around it and the widget-side company controller.
#include "controller/company/company.h"
#include "controller/driver/drivernonstatic.h"
#include "gui/controller/network.h"
#include "gui/core/utils.h"
#include "gui/frame/framecreators.h"
#include "gui/settings/settings.h"
#include "gui/tablemodel/originalmodel.h"
#include "globaltestbed.h"
#include "optionrights.h"
#include "sentmessages.h"
#include "shell/context.h"
#include "shell/global.h"
#include "shell/mainwindow.h"

#include <QtTest>

#include <memory>

using namespace Client::Controller;

namespace {

// A page's own instance of the class behind a property of GLOBAL.
ItemController *pageInstance(const QString &property)
{
    static const QHash<QString, std::function<ItemController *()>> factories{
        {"driver", [] { return new ::Driver; }},
        {"company", [] { return new CompanyQml; }},
        {"driverGroup", [] { return new DriverGroup; }},
        {"driverBalanceGroup", [] { return new DriverBalanceGroup; }},
        {"driverBalanceType", [] { return new DriverBalanceType; }},
        {"driverPaidServiceType", [] { return new DriverPaidServiceType; }},
        {"carBrands", [] { return new CarBrands; }},
        {"carBodyTypes", [] { return new CarBodyTypes; }},
        {"carColors", [] { return new CarColors; }},
        {"city", [] { return new City; }},
        {"notification", [] { return new ::Notification; }},
        {"notificationType", [] { return new NotificationType; }},
        {"companyBalanceGroup", [] { return new CompanyBalanceGroup; }},
        {"companyBalanceType", [] { return new CompanyBalanceType; }},
        {"user", [] { return new ::User; }},
    };
    return factories.value(property)();
}

} // namespace

class TestAppGlobal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sharedControllers_data();
    void sharedControllers();
    void firstListsInOrder();
    void laterOpensAskNothing();
    void singleDriverAnswers_data();
    void singleDriverAnswers();
    void placeholderStaysFirst();
    void mainWindow();
    void widgetCompanyController();

private:
    void open();
    void deliver(const QString &name, const QString &action, const QVariantMap &params);
    ItemController *shared(const char *property) const;

    std::unique_ptr<GlobalTestBed> m_bed;
    std::unique_ptr<SentMessages> m_sent;
    QPointer<MainWindow> m_window;
    QString m_titleBeforeSetup;
    Global *m_global = nullptr;
};

void TestAppGlobal::initTestCase()
{
    m_bed = std::make_unique<GlobalTestBed>([] { return std::make_unique<Context>(); });
}

void TestAppGlobal::init()
{
    m_window = new MainWindow;
    m_titleBeforeSetup = m_window->windowTitle();
    m_window->createGlobal();
    m_global = Context::global();
    QVERIFY(m_global);
    m_window->setup();
    disconnect(m_global, &Gui::Global::closing, m_window, nullptr);
    m_sent = std::make_unique<SentMessages>(m_bed->network());
}

void TestAppGlobal::cleanup()
{
    m_sent.reset();
    delete m_window;
    QVERIFY(!Context::global());
    VERIFY_NO_MODAL(m_bed->watchdog());
}

void TestAppGlobal::deliver(const QString &name, const QString &action, const QVariantMap &params)
{
    m_bed->network()->dispatchMessage(name, action, params);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void TestAppGlobal::open()
{
    deliver("userSession", "saOpen",
            {{"RES", "10"}, {"rst_id_owner", "5"}, {"rst_id_group", "2"}, {"utc_offset", "180"},
             {"utc_dt", "1715688000000"}, {"sys_utc_offset", "0"}, {"RECEIVER", "ALL"}});
}

ItemController *TestAppGlobal::shared(const char *property) const
{
    return qobject_cast<ItemController *>(m_global->property(property).value<QObject *>());
}

void TestAppGlobal::sharedControllers_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QVariantMap>("placeholder");
    QTest::addColumn<bool>("sortedByName");
    QTest::addColumn<bool>("classWide");

    const QString groups = Gui::Utils::bracketed("All groups");
    const QString types = Gui::Utils::bracketed("All types");
    const QVariantMap none;
    QTest::newRow("driver") << "driver" << "Driver" << none << false << true;
    QTest::newRow("company") << "company" << "CompanyQml" << none << false << false;
    QTest::newRow("driverGroup") << "driverGroup" << "DriverGroup" << QVariantMap{{"id", "1"}, {"name", groups}}
                                 << true << true;
    QTest::newRow("driverBalanceGroup") << "driverBalanceGroup" << "DriverBalanceGroup"
                                        << QVariantMap{{"id", "1"}, {"name", groups}} << true << true;
    QTest::newRow("driverBalanceType")
        << "driverBalanceType" << "DriverBalanceType"
        << QVariantMap{{"id", "1"}, {"rst_id_bg", "1"}, {"code", "aaaa"}, {"name_string", types}} << false << true;
    QTest::newRow("driverPaidServiceType") << "driverPaidServiceType" << "DriverPaidServiceType"
                                           << QVariantMap{{"id", "1"}, {"rst_id_bt", "1"}, {"name", types}} << false
                                           << true;
    QTest::newRow("carBrands") << "carBrands" << "CarBrands" << none << false << true;
    QTest::newRow("carBodyTypes") << "carBodyTypes" << "CarBodyTypes" << none << false << true;
    QTest::newRow("carColors") << "carColors" << "CarColors" << none << false << true;
    QTest::newRow("city") << "city" << "City"
                          << QVariantMap{{"id", "1"}, {"name", Gui::Utils::bracketed("All cities")}} << true << true;
    QTest::newRow("notification") << "notification" << "Notification" << none << false << true;
    QTest::newRow("notificationType") << "notificationType" << "NotificationType" << none << false << true;
    QTest::newRow("companyBalanceGroup") << "companyBalanceGroup" << "CompanyBalanceGroup"
                                         << QVariantMap{{"id", "1"}, {"name", groups}} << false << true;
    QTest::newRow("companyBalanceType") << "companyBalanceType" << "CompanyBalanceType"
                                        << QVariantMap{{"id", "1"}, {"rst_id_bg", "1"}, {"name", types}} << false
                                        << true;
    QTest::newRow("user") << "user" << "User" << none << false << true;
}

void TestAppGlobal::sharedControllers()
{
    QFETCH(QString, property);
    QFETCH(QString, className);
    QFETCH(QVariantMap, placeholder);
    QFETCH(bool, sortedByName);
    QFETCH(bool, classWide);

    ItemController *controller = shared(qPrintable(property));
    QVERIFY(controller);
    QCOMPARE(controller->metaObject()->className(), qPrintable(className));
    QVERIFY(controller->useTrGetList());
    // Before any list the placeholder is the only row, with exactly its keys.
    OriginalModel *rows = controller->originalModel();
    if (placeholder.isEmpty()) {
        QCOMPARE(rows->findId("1"), -1);
    } else {
        const QVariantMap row = rows->data(rows->findId("1"));
        for (auto it = placeholder.cbegin(); it != placeholder.cend(); ++it)
            QCOMPARE(row.value(it.key()).toString(), it.value().toString());
        for (const char *key : {"name", "name_string", "code", "rst_id_bg", "rst_id_bt"}) {
            if (!placeholder.contains(key))
                QVERIFY2(row.value(key).toString().isEmpty(), qPrintable(key));
        }
    }
    QCOMPARE(controller->proxyModel()->sortedRole() == "name", sortedByName);
    // A page's instance of the class shows the same rows when the class shares them.
    std::unique_ptr<ItemController> pageController(pageInstance(property));
    QVERIFY(pageController);
    QCOMPARE(pageController->metaObject(), controller->metaObject());
    QCOMPARE(pageController->originalModel() == rows, classWide);
    QVERIFY(pageController->proxyModel() != controller->proxyModel());
}

void TestAppGlobal::firstListsInOrder()
{
    open();
    const QStringList expected{"sog",
                               "sot",
                               "so",
                               "ugso",
                               "uso",
                               "user",
                               "ug",
                               "driver",
                               "company",
                               "driverGroup",
                               "dbg",
                               "dbt",
                               "driverPaidServiceType",
                               "carBrands",
                               "carBodyTypes",
                               "carColors",
                               "city",
                               "notification",
                               "notificationType",
                               "cmpbg",
                               "cmpbt",
                               "userGuiSession"};
    QStringList names;
    for (const QString &fn : m_sent->names())
        names.append(fn.section('_', 0, 0));
    QCOMPARE(names, expected);
    QVERIFY(m_sent->names().filter("_trGetList").size() == expected.size());
    const QList<QVariantMap> sent = m_sent->maps();
    const QVariantMap driver = sent.at(7);
    QCOMPARE(driver.value("is_archived"), QVariant(0));
    QCOMPARE(driver.value("RECEIVER").toString(), m_global->driver()->objectNumber());
    QVERIFY(driver.contains("query_limit"));
    QCOMPARE(sent.at(17).value("rst_id_owner"), QVariant(qint64(5)));
    QCOMPARE(sent.at(17).value("RECEIVER").toString(), m_global->notification()->objectNumber());
    // The other catalogues ask with nothing of their own.
    for (int i : {8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19, 20}) {
        QVariantMap params = sent.at(i);
        for (const char *key : {"FN", "RECEIVER", "query_limit"})
            params.remove(key);
        QVERIFY2(params.isEmpty(), qPrintable(expected.at(i)));
    }
}

void TestAppGlobal::laterOpensAskNothing()
{
    open();
    deliver("userGuiSession", "saGetList",
            {{"STATE", "end"}, {"RECEIVER", m_global->userGuiSession()->objectNumber()},
             {"FN", "userGuiSession_saGetList"}});
    QTRY_VERIFY(!m_global->loadingWindow());
    m_sent->clear();
    // A reconnection opens the session again: the shared lists follow the server's pushes.
    open();
    QCOMPARE(m_sent->names(), QStringList());
}

void TestAppGlobal::singleDriverAnswers_data()
{
    QTest::addColumn<QVariantMap>("answer");
    // The row after the answer: the answered record, the row as it was, or none.
    QTest::addColumn<QString>("name");
    const QVariantMap record{{"id", "77"}, {"first_name", "Ivan"}, {"status", "1000"}, {"RECEIVER", "123"}};
    QVariantMap accepted = record;
    accepted.insert("RES", "10");
    QTest::newRow("accepted") << accepted << "Ivan";
    // The record is gone on the server: the list drops it and does not bring it back empty.
    QVariantMap refused{{"id", "77"}, {"RES", "0"}, {"ERRCODE", "110"}, {"RECEIVER", "123"}};
    QTest::newRow("no such driver") << refused << "";
    refused["ERRCODE"] = "50";
    QTest::newRow("no right") << refused << "Old";
    QVariantMap withoutId = record;
    withoutId.insert("RES", "10");
    withoutId.remove("id");
    QTest::newRow("no id") << withoutId << "Old";
    withoutId.insert("id", "");
    QTest::newRow("empty id") << withoutId << "Old";
}

void TestAppGlobal::singleDriverAnswers()
{
    QFETCH(QVariantMap, answer);
    QFETCH(QString, name);
    OriginalModel *drivers = m_global->driver()->originalModel();
    drivers->delRow("77");
    // A known driver: a refusal must leave the row as it was.
    drivers->addRow({{"id", "77"}, {"first_name", "Old"}, {"status", "0"}});
    const int rowsBefore = drivers->rowCount() - (name.isEmpty() ? 1 : 0);
    // Another page's driver controller asked; the answer reaches every "driver" controller.
    DriverNonStatic page;
    deliver("driver", "saInfo", answer);
    const int row = drivers->findId("77");
    QCOMPARE(row >= 0, !name.isEmpty());
    if (row >= 0) {
        QCOMPARE(drivers->data(row, "first_name").toString(), name);
        QCOMPARE(drivers->data(row, "status_string").toString(), name == "Ivan" ? QString("Free") : QString());
    }
    QCOMPARE(drivers->rowCount(), rowsBefore);
    QCOMPARE(page.originalModel()->findId("77"), -1);
    drivers->delRow("77");
}

void TestAppGlobal::placeholderStaysFirst()
{
    open();
    City *cities = m_global->city();
    const QString receiver = cities->objectNumber();
    deliver("city", "saGetList", {{"STATE", "start"}, {"RECEIVER", receiver}});
    for (const auto &[id, name] : {std::pair{"5", "Odesa"}, {"6", "Aleppo"}, {"7", " Abu Dhabi"}})
        deliver("city", "saListInfo", {{"id", id}, {"name", name}, {"RECEIVER", receiver}});
    deliver("city", "saGetList", {{"STATE", "end"}, {"RECEIVER", receiver}, {"FN", "city_saGetList"}});
    ProxyModel *view = cities->proxyModel();
    QStringList ids;
    for (int row = 0; row < view->rowCount(); ++row)
        ids.append(view->data(row, "id").toString());
    QCOMPARE(ids, (QStringList{"1", "7", "6", "5"}));
    for (const char *id : {"5", "6", "7"})
        cities->originalModel()->delRow(id);
}

void TestAppGlobal::mainWindow()
{
    QCOMPARE(m_titleBeforeSetup, QString("Koriv Admin"));
    QCOMPARE(m_global->parent(), m_window.data());
    QCOMPARE(Context::global(), m_global);
    // The widget frames that saved GUI sessions re-open by name.
    for (const char *name : {"companyTable", "driverReport", "driverSessionReport", "driverBalanceReport",
                             "brandReport", "brandPaymentReport"})
        QVERIFY2(m_global->frameCreators()->contains(name), name);
}

void TestAppGlobal::widgetCompanyController()
{
    Company companies;
    QCOMPARE(companies.name(), QString("company"));
    QVERIFY(!companies.parent());
    QVERIFY(companies.originalModel()->columns().contains("company_name"));
    companies.trGetList({});
    QCOMPARE(m_sent->maps().last(),
             (QVariantMap{{"FN", "company_trGetList"}, {"RECEIVER", companies.receiver()}}));
}

QTEST_MAIN(TestAppGlobal)
#include "tst_appglobal.moc"
