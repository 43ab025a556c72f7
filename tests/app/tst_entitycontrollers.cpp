#include "client/net/apinetwork.h"
#include "controller/address/city.h"
#include "controller/balance/companybalancegroup.h"
#include "controller/balance/companybalancelog.h"
#include "controller/balance/companybalancetype.h"
#include "controller/balance/driverbalancegroup.h"
#include "controller/balance/driverbalancelog.h"
#include "controller/balance/driverbalancetransfer.h"
#include "controller/balance/driverbalancetype.h"
#include "controller/car/car.h"
#include "controller/car/carbodytypes.h"
#include "controller/car/carbrands.h"
#include "controller/car/carcolors.h"
#include "controller/company/companyqml.h"
#include "controller/company/terminalcompany.h"
#include "controller/crash/crashreport.h"
#include "controller/driver/driver.h"
#include "controller/driver/drivergroup.h"
#include "controller/driver/drivernonstatic.h"
#include "controller/driver/driverpaidservice.h"
#include "controller/driver/driverpaidservicetype.h"
#include "controller/driver/driverratingcoefficient.h"
#include "controller/driver/driverratinglog.h"
#include "controller/driver/driversession.h"
#include "controller/media/media.h"
#include "controller/notification/notification.h"
#include "controller/notification/notificationmessage.h"
#include "controller/notification/notificationtype.h"
#include "controller/payment/paymentsystem.h"
#include "controller/payment/paymentsystemaccount.h"
#include "controller/payment/paymentsystemlog.h"
#include "controller/sms/sms.h"
#include "controller/user/user.h"
#include "controller/value/value.h"
#include "controller/version/version.h"
#include "model/base/abstractmodel.h"
#include "sentmessages.h"

#include <QtTest>

#include <functional>

using Client::Controller::ItemController;

namespace {

using Factory = std::function<ItemController *()>;

template<typename T>
Factory make()
{
    return [] { return new T; };
}

QStringList sortedKeys(const QVariantMap &map)
{
    QStringList keys = map.keys();
    keys.sort();
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(Factory)

// Every entity controller of the application: its name, rows, view, row hook and own requests.
class TestEntityControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void family_data();
    void family();
    void ownRequests_data();
    void ownRequests();
    void answersOfOtherClasses();
    void rowHooks_data();
    void rowHooks();
    void carCatalogueOrder_data();
    void carCatalogueOrder();
    void carModelColumn();
    void driverInfoRows_data();
    void driverInfoRows();
    void driverSessionClose();

private:
    std::unique_ptr<Client::ApiNetwork> m_net;
};

void TestEntityControllers::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestEntityControllers::family_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("classWide");
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("base");

    const QString plain = QStringLiteral("Client::Controller::ProxyModel");
    const QString desktop = QStringLiteral("Client::Controller::DesktopController");
    const auto row = [&](const char *tag, Factory factory, const char *name, const char *table, bool classWide,
                         const QString &proxy, const QString &base) {
        QTest::newRow(tag) << factory << name << table << classWide << proxy << base;
    };
    row("Car", make<Car>(), "car", "cars", false, plain, desktop);
    row("CarBodyTypes", make<CarBodyTypes>(), "carBodyTypes", "car_body_types", true, "CarBodyTypesProxyModel",
        desktop);
    row("CarBrands", make<CarBrands>(), "carBrands", "car_brands", true, "CarBrandsProxyModel", desktop);
    row("CarColors", make<CarColors>(), "carColors", "car_colors", true, "CarColorsProxyModel", desktop);
    row("City", make<City>(), "city", "cities", true, plain, desktop);
    row("CompanyQml", make<CompanyQml>(), "company", "companies", false, plain, desktop);
    row("CompanyBalanceGroup", make<CompanyBalanceGroup>(), "cmpbg", "company_balance_groups", true, plain, desktop);
    row("CompanyBalanceLog", make<CompanyBalanceLog>(), "cmpbl", "company_balance_logs", false, plain, desktop);
    row("CompanyBalanceType", make<CompanyBalanceType>(), "cmpbt", "company_balance_types", true, plain, desktop);
    row("CrashReport", make<CrashReport>(), "crashReport", "crash_reports", false, plain, desktop);
    row("Driver", make<Driver>(), "driver", "drivers", true, plain, "Client::Controller::Driver");
    row("DriverBalanceGroup", make<DriverBalanceGroup>(), "dbg", "driver_balance_groups", true, plain, desktop);
    row("DriverBalanceLog", make<DriverBalanceLog>(), "dbl", "driver_balance_logs", false, plain, desktop);
    row("DriverBalanceTransfer", make<DriverBalanceTransfer>(), "driverBalanceTransfer", "driver_balance_transfers",
        false, plain, desktop);
    row("DriverBalanceType", make<DriverBalanceType>(), "dbt", "driver_balance_types", true, plain, desktop);
    row("DriverGroup", make<DriverGroup>(), "driverGroup", "driver_groups", true, plain, desktop);
    row("DriverNonStatic", make<DriverNonStatic>(), "driver", "drivers", false, plain, "Client::Controller::Driver");
    row("DriverPaidService", make<DriverPaidService>(), "driverPaidService", "paid_driver_services", false, plain,
        desktop);
    row("DriverPaidServiceType", make<DriverPaidServiceType>(), "driverPaidServiceType", "paid_service_type_driver",
        true, plain, desktop);
    row("DriverRatingCoefficient", make<DriverRatingCoefficient>(), "driverRatingCoefficient",
        "driver_rating_coefficients", true, plain, desktop);
    row("DriverRatingLog", make<DriverRatingLog>(), "driverRatingLog", "driver_rating_logs", false, plain, desktop);
    row("DriverSession", make<DriverSession>(), "driverSession", "driver_sessions", false, plain, desktop);
    row("Media", make<Media>(), "media", "media", false, plain, desktop);
    row("Notification", make<Notification>(), "notification", "notifications", true, plain,
        "Client::Controller::Notification");
    row("NotificationMessage", make<NotificationMessage>(), "notificationMessage", "notification_messages", false,
        plain, desktop);
    row("NotificationType", make<NotificationType>(), "notificationType", "notification_types", true, plain, desktop);
    row("PaymentSystem", make<PaymentSystem>(), "paymentSystem", "payment_systems", false, plain, desktop);
    row("PaymentSystemAccount", make<PaymentSystemAccount>(), "paymentSysAccComp", "payment_systems_company_accounts",
        false, plain, desktop);
    row("PaymentSystemLog", make<PaymentSystemLog>(), "paymentSysDriversPaymentsLog", "", false, plain, desktop);
    row("Sms", make<Sms>(), "sms", "sms", false, plain, desktop);
    row("TerminalCompany", make<TerminalCompany>(), "terminalCmp", "terminal_companies", false, plain, desktop);
    row("User", make<User>(), "user", "users", true, plain, "Client::Controller::User");
    row("Value", make<Value>(), "value", "values", false, plain, desktop);
    row("Version", make<Version>(), "version", "versions_tmp", false, plain, desktop);
}

void TestEntityControllers::family()
{
    QFETCH(Factory, factory);
    QFETCH(QString, name);
    QFETCH(QString, table);
    QFETCH(bool, classWide);
    QFETCH(QString, proxy);
    QFETCH(QString, base);

    std::unique_ptr<ItemController> first(factory());
    std::unique_ptr<ItemController> second(factory());
    QCOMPARE(first->name(), name);
    QCOMPARE(first->property("name").toString(), name);
    QVERIFY(first->inherits(qPrintable(base)));
    QCOMPARE(first->isStaticModel(), classWide);
    QCOMPARE(first->property("isStaticModel").toBool(), classWide);
    QVERIFY(first->originalModel() && first->originalModel()->baseModel());
    QCOMPARE(first->originalModel()->baseModel()->tableName(), table);
    QVERIFY(first->originalModel()->containsRole(QStringLiteral("id")));

    // Each instance views the rows through a proxy of its own, of the class's proxy class.
    QCOMPARE(QString(first->proxyModel()->metaObject()->className()), proxy);
    QVERIFY(first->proxyModel() != second->proxyModel());
    QCOMPARE(first->proxyModel()->sourceModel(), first->originalModel());
    QCOMPARE(first->originalModel() == second->originalModel(), classWide);

    // Class-wide rows outlive every instance; rows of an instance go with it.
    const QString id = QStringLiteral("987654");
    first->originalModel()->addRow({{"id", id}});
    QCOMPARE(second->originalModel()->findId(id) >= 0, classWide);
    first.reset();
    second.reset();
    std::unique_ptr<ItemController> later(factory());
    QCOMPARE(later->originalModel()->findId(id) >= 0, classWide);
    later->originalModel()->delRow(id);
}

void TestEntityControllers::ownRequests_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QVariantMap>("params");

    const QVariantMap none;
    const QVariantMap id{{"id", "12"}, {"note", "a#b=c"}};
    QTest::newRow("Driver password") << make<Driver>() << "trChangePwd" << "saChangePwd"
                                     << QVariantMap{{"id", "3"}, {"pwd", "x"}, {"pwd_confirm", "x"}};
    QTest::newRow("Driver approve") << make<Driver>() << "trApprove" << "saApprove"
                                    << QVariantMap{{"rst_id_nm", "8"}, {"ok", "1"}};
    QTest::newRow("Driver brand drivers") << make<Driver>() << "trGetBrandDrivers" << "saGetBrandDrivers"
                                          << QVariantMap{{"dt_utc_insert_start", 1}, {"dt_utc_insert_end", 2}};
    QTest::newRow("Driver recommender") << make<Driver>() << "trRemoveRecommender" << "saRemoveRecommender" << id;
    QTest::newRow("Driver archive") << make<Driver>() << "trArchive" << "saArchive"
                                    << QVariantMap{{"id", "5"}, {"is_archived", "1"}};
    QTest::newRow("Driver photos") << make<Driver>() << "" << "saApprovePhotos" << none;
    QTest::newRow("DriverNonStatic archive") << make<DriverNonStatic>() << "trArchive" << "saArchive" << none;
    QTest::newRow("TerminalCompany password") << make<TerminalCompany>() << "trChangePwd" << "saChangePwd" << none;
    QTest::newRow("User password") << make<User>() << "trChangePwd" << "saChangePwd" << id;
    QTest::newRow("CrashReport database") << make<CrashReport>() << "trGetDb" << "saGetDb" << id;
    QTest::newRow("DriverPaidServiceType implement") << make<DriverPaidServiceType>() << "trImplementPaidService"
                                                     << "saImplementPaidService" << id;
    QTest::newRow("DriverSession close") << make<DriverSession>() << "trClose" << "saClose"
                                         << QVariantMap{{"rst_id_owner", "44"}};
    QTest::newRow("Notification batch removal") << make<Notification>() << "trBatchRemove" << "saBatchRemove"
                                                << QVariantMap{{"id", "[1,2]"}};
}

void TestEntityControllers::ownRequests()
{
    QFETCH(Factory, factory);
    QFETCH(QString, method);
    QFETCH(QString, answer);
    QFETCH(QVariantMap, params);
    std::unique_ptr<ItemController> controller(factory());

    if (!method.isEmpty()) {
        SentMessages sent(m_net.get());
        QVERIFY(QMetaObject::invokeMethod(controller.get(), qPrintable(method), Q_ARG(QVariantMap, params)));
        QCOMPARE(sent.count(), 1);
        // The caller's map goes out unchanged, plus the action and this instance's number.
        QVariantMap message = sent.maps().first();
        QCOMPARE(message.take(QStringLiteral("FN")).toString(), controller->name() + '_' + method);
        QCOMPARE(message.take(QStringLiteral("RECEIVER")).toString(), controller->objectNumber());
        QCOMPARE(sortedKeys(message), sortedKeys(params));
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            QCOMPARE(message.value(it.key()).toString(), it.value().toString());
    }

    // The answer is re-emitted as received, whoever asked.
    const QByteArray signal = QByteArray("2") + answer.toLatin1() + "(QVariantMap)";
    QSignalSpy answers(controller.get(), signal.constData());
    QVERIFY(answers.isValid());
    const QVariantMap received{{"RECEIVER", "12345"}, {"RES", "10"}, {"id", "12"}};
    QVERIFY(controller->handleMessage(answer, received));
    QCOMPARE(answers.count(), 1);
    QCOMPARE(answers.first().first().toMap(), received);
    QVERIFY(!controller->handleMessage(answer.toLower(), received));
    QCOMPARE(answers.count(), 1);
}

void TestEntityControllers::answersOfOtherClasses()
{
    // Every instance with a name gets every answer of that name; it takes only its own kinds.
    DriverNonStatic archive;
    QSignalSpy archived(&archive, &DriverNonStatic::saArchive);
    QVERIFY(!archive.handleMessage(QStringLiteral("saApprove"), {{"RES", "10"}}));
    QVERIFY(!archive.handleMessage(QStringLiteral("saChangePwd"), {{"RES", "10"}}));
    QVERIFY(archive.handleMessage(QStringLiteral("saArchive"), {{"RES", "10"}}));
    QCOMPARE(archived.count(), 1);

    // An update answer is the desktop controller's, never an extra answer.
    Driver driver;
    QSignalSpy approved(&driver, &Driver::saApprove);
    QSignalSpy updated(&driver, &Client::Controller::DesktopController::saUpdate);
    QVERIFY(driver.handleMessage(QStringLiteral("saUpdate"), {{"RES", "10"}, {"id", "4"}}));
    QCOMPARE(updated.count(), 1);
    QVERIFY(approved.isEmpty());

    for (ItemController *controller : std::initializer_list<ItemController *>{&archive, &driver})
        QVERIFY(!controller->handleMessage(QStringLiteral("saSomethingElse"), {}));
    City city;
    QVERIFY(!city.handleMessage(QStringLiteral("saGetDb"), {}));
}

void TestEntityControllers::rowHooks_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QVariantMap>("received");
    QTest::addColumn<QVariantMap>("stored");
    const QVariant missing;

    QTest::newRow("car selected") << make<Car>()
                                  << QVariantMap{{"id", "15"}, {"rst_id_car_selected", "15"}, {"model", "Sens"}}
                                  << QVariantMap{{"id", "15"}, {"rst_id_car_selected", "15"}, {"model", "Sens"},
                                                 {"car_model", "Sens"}, {"is_selected", "1"}};
    QTest::newRow("car of another") << make<Car>() << QVariantMap{{"id", "15"}, {"rst_id_car_selected", "16"}}
                                    << QVariantMap{{"id", "15"}, {"rst_id_car_selected", "16"}, {"model", missing},
                                                   {"car_model", missing}, {"is_selected", "0"}};
    QTest::newRow("car, no selection") << make<Car>() << QVariantMap{{"id", "15"}, {"model", "Sens"}}
                                       << QVariantMap{{"id", "15"}, {"model", "Sens"}, {"car_model", "Sens"},
                                                      {"rst_id_car_selected", missing}, {"is_selected", "0"}};
    QTest::newRow("driver free") << make<Driver>() << QVariantMap{{"status", "1000"}}
                                 << QVariantMap{{"status", "1000"}, {"status_string", "Free"}};
    QTest::newRow("driver unknown status") << make<Driver>() << QVariantMap{{"status", 1500}}
                                           << QVariantMap{{"status", 1500}, {"status_string", "n/a"}};
    QTest::newRow("archived driver offline") << make<DriverNonStatic>() << QVariantMap{{"status", "200"}}
                                             << QVariantMap{{"status", "200"}, {"status_string", "Offline"}};

    for (const auto &log : {std::make_pair("driver", make<DriverBalanceLog>()),
                            std::make_pair("company", make<CompanyBalanceLog>())}) {
        QTest::addRow("%s log", log.first) << log.second
                                           << QVariantMap{{"bg_name", "G"}, {"bt_name", "T"}, {"value", "-3"}}
                                           << QVariantMap{{"bg_name", "G"}, {"bt_name", "G: T"}, {"value", "-3"}};
        QTest::addRow("%s log marker", log.first) << log.second << QVariantMap{{"STATE", "start"}}
                                                  << QVariantMap{{"STATE", "start"}, {"bg_name", missing},
                                                                 {"bt_name", ": "}};
    }
    for (const auto &type : {std::make_pair("driver", make<DriverBalanceType>()),
                             std::make_pair("company", make<CompanyBalanceType>())}) {
        QTest::addRow("%s income type", type.first)
            << type.second << QVariantMap{{"type_operation", "1"}, {"name", "Refill"}}
            << QVariantMap{{"type_operation", "1"}, {"name", "Refill"}, {"type_operation_string", "+"},
                           {"name_string", "+Refill"}};
        QTest::addRow("%s other type", type.first)
            << type.second << QVariantMap{{"type_operation", "2"}, {"name", "Fee"}}
            << QVariantMap{{"type_operation", "2"}, {"name", "Fee"}, {"type_operation_string", "-"},
                           {"name_string", "-Fee"}};
        QTest::addRow("%s type without operation", type.first)
            << type.second << QVariantMap{{"name", "Fee"}}
            << QVariantMap{{"type_operation", missing}, {"name", "Fee"}, {"type_operation_string", "-"},
                           {"name_string", "-Fee"}};
    }

    QTest::newRow("session closed by the user") << make<DriverSession>() << QVariantMap{{"type_close", "3"}}
                                                << QVariantMap{{"type_close", "3"},
                                                               {"type_close_string", "3. closed by the user"}};
    QTest::newRow("session, unknown close") << make<DriverSession>() << QVariantMap{{"type_close", 7}}
                                            << QVariantMap{{"type_close", 7}, {"type_close_string", "7. "}};
    QTest::newRow("session marker") << make<DriverSession>() << QVariantMap{{"STATE", "end"}}
                                    << QVariantMap{{"STATE", "end"}, {"type_close", missing},
                                                   {"type_close_string", ". "}};

    QTest::newRow("notification of a car") << make<Notification>() << QVariantMap{{"context", "car.update"}}
                                           << QVariantMap{{"context", "car.update"}, {"name", "Update of car"}};
    QTest::newRow("notification, unknown context")
        << make<Notification>() << QVariantMap{{"context", "car.create"}, {"name", "Server's name"}}
        << QVariantMap{{"context", "car.create"}, {"name", "Server's name"}};
    QTest::newRow("notification, unknown context, no name") << make<Notification>()
                                                            << QVariantMap{{"context", "x"}}
                                                            << QVariantMap{{"context", "x"}};
    QTest::newRow("notification without context") << make<Notification>() << QVariantMap{{"name", "N"}}
                                                   << QVariantMap{{"name", "N"}};
    QTest::newRow("notification type") << make<NotificationType>()
                                       << QVariantMap{{"code", "driver.unarchive.info"}, {"name", "srv"}}
                                       << QVariantMap{{"code", "driver.unarchive.info"},
                                                      {"name", "Unarchive driver info"}};
    QTest::newRow("notification type, unknown code") << make<NotificationType>()
                                                     << QVariantMap{{"code", "z"}, {"name", "srv"}}
                                                     << QVariantMap{{"code", "z"}, {"name", "srv"}};
    QTest::newRow("city, no hook") << make<City>() << QVariantMap{{"name", "Kyiv"}, {"id", "3"}}
                                   << QVariantMap{{"name", "Kyiv"}, {"id", "3"}};
}

void TestEntityControllers::rowHooks()
{
    QFETCH(Factory, factory);
    QFETCH(QVariantMap, received);
    QFETCH(QVariantMap, stored);
    std::unique_ptr<ItemController> controller(factory());
    // The hook runs on every message before its handler: a list row is stored as rewritten.
    QVariantMap row = received;
    controller->prepareRow(row);
    QCOMPARE(sortedKeys(row), sortedKeys(stored));
    QCOMPARE(row, stored);
    QSignalSpy rows(controller.get(), &ItemController::saListInfo);
    emit controller->messageReceived(QStringLiteral("saListInfo"), received);
    QCOMPARE(rows.count(), 1);
    QCOMPARE(rows.first().first().toMap(), stored);
}

void TestEntityControllers::carCatalogueOrder_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("sortRole");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("names");

    // Rows: (name, code, order_index) = ("b10", "c", 10), ("a2", "a", 2), ("audi", "b", 5), ("BMW", "d", 5).
    for (const auto &catalogue : {std::make_pair("brands", make<CarBrands>()),
                                  std::make_pair("body types", make<CarBodyTypes>()),
                                  std::make_pair("colours", make<CarColors>())}) {
        QTest::addRow("%s by name", catalogue.first) << catalogue.second << "name" << int(Qt::AscendingOrder)
                                                     << QStringList{"a2", "BMW", "audi", "b10"};
        QTest::addRow("%s by name, descending", catalogue.first)
            << catalogue.second << "name" << int(Qt::DescendingOrder) << QStringList{"b10", "audi", "BMW", "a2"};
        QTest::addRow("%s by code", catalogue.first) << catalogue.second << "code" << int(Qt::AscendingOrder)
                                                     << QStringList{"a2", "audi", "b10", "BMW"};
    }
}

void TestEntityControllers::carCatalogueOrder()
{
    QFETCH(Factory, factory);
    QFETCH(QString, sortRole);
    QFETCH(int, order);
    QFETCH(QStringList, names);
    std::unique_ptr<ItemController> controller(factory());
    Client::Controller::OriginalModel *rows = controller->originalModel();
    rows->clear();
    rows->addRow({{"id", "11"}, {"name", "b10"}, {"code", "c"}, {"order_index", "10"}});
    rows->addRow({{"id", "12"}, {"name", "a2"}, {"code", "a"}, {"order_index", "2"}});
    rows->addRow({{"id", "13"}, {"name", "audi"}, {"code", "b"}, {"order_index", "5"}});
    rows->addRow({{"id", "14"}, {"name", "BMW"}, {"code", "d"}, {"order_index", "5"}});
    Client::Controller::ProxyModel *view = controller->proxyModel();
    view->sortRows(sortRole, Qt::SortOrder(order));
    QStringList shown;
    for (int row = 0; row < view->rowCount(); ++row)
        shown << view->data(row, QStringLiteral("name")).toString();
    QCOMPARE(shown, names);
    rows->clear();
}

void TestEntityControllers::carModelColumn()
{
    // The car's model name is the role "car_model"; no role is named "model".
    Car car;
    QVERIFY(car.originalModel()->containsRole(QStringLiteral("car_model")));
    QVERIFY(!car.originalModel()->containsRole(QStringLiteral("model")));
    QVariantMap row{{"id", "2"}, {"model", "Lanos"}};
    car.prepareRow(row);
    car.originalModel()->addRow(row);
    QCOMPARE(car.originalModel()->data(0, QStringLiteral("car_model")).toString(), QString("Lanos"));
    QCOMPARE(car.originalModel()->roleTitle(QStringLiteral("car_model")), QString("Model"));
}

void TestEntityControllers::driverInfoRows_data()
{
    QTest::addColumn<QVariantMap>("answer");
    QTest::addColumn<QString>("sign"); // of the stored row afterwards; empty: the row is gone
    QTest::newRow("success") << QVariantMap{{"RES", "10"}, {"id", "31"}, {"sign", "new"}} << "new";
    QTest::newRow("refused, no right") << QVariantMap{{"RES", "0"}, {"ERRCODE", "50"}, {"id", "31"}} << "old";
    QTest::newRow("record gone") << QVariantMap{{"RES", "0"}, {"ERRCODE", "110"}, {"id", "31"}} << "";
    QTest::newRow("success without id") << QVariantMap{{"RES", "10"}, {"sign", "new"}} << "old";
    QTest::newRow("no result code") << QVariantMap{{"id", "31"}, {"sign", "new"}} << "old";
}

void TestEntityControllers::driverInfoRows()
{
    QFETCH(QVariantMap, answer);
    QFETCH(QString, sign);
    Driver shared;
    Driver page;
    shared.originalModel()->addRow({{"id", "31"}, {"sign", "old"}, {"dt_utc_last_update", "5"}});
    connect(&shared, &ItemController::saInfo, &shared, &Driver::upsertInfoRow);
    // The answer to another instance's request reaches the shared controller too.
    answer.insert(QStringLiteral("RECEIVER"), page.objectNumber());
    emit shared.messageReceived(QStringLiteral("saInfo"), answer);
    // Only a record lands in the shared rows: a refusal neither blanks nor brings back a row.
    const int row = page.originalModel()->findId(QStringLiteral("31"));
    QCOMPARE(row >= 0, !sign.isEmpty());
    QCOMPARE(page.originalModel()->rowCount(), sign.isEmpty() ? 0 : 1);
    if (row >= 0)
        QCOMPARE(page.originalModel()->data(row, QStringLiteral("sign")).toString(), sign);
    shared.originalModel()->clear();
}

void TestEntityControllers::driverSessionClose()
{
    SentMessages sent(m_net.get());
    QSignalSpy closing(m_net.get(), &Common::Network::closeConnection);
    DriverSession sessions;
    QCOMPARE(sessions.property("rst_id_owner").toString(), QString());
    QCOMPARE(sessions.property("utc_dt").toLongLong(), 0);
    QCOMPARE(sessions.controllerName(), QString("driverSession"));

    // A driver's session is closed by a request of this instance; the connection stays.
    QVERIFY(sessions.trClose({{"rst_id_owner", "9"}}));
    QCOMPARE(sent.count(), 1);
    const QVariantMap request = sent.maps().first();
    QCOMPARE(request.value("FN").toString(), QString("driverSession_trClose"));
    QCOMPARE(request.value("RECEIVER").toString(), sessions.objectNumber());
    QCOMPARE(request.value("rst_id_owner").toString(), QString("9"));

    // Without a driver nothing goes out, and above all the operator's connection is not closed.
    for (const QVariantMap &params : {QVariantMap(), QVariantMap{{"rst_id_owner", ""}}}) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("trClose needs the driver"));
        QVERIFY(!sessions.trClose(params));
    }
    QCOMPARE(sent.count(), 1);
    QCOMPARE(closing.count(), 0);
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(sessions.currentMSecsSinceEpoch() >= before);
}

QTEST_MAIN(TestEntityControllers)
#include "tst_entitycontrollers.moc"
