#include "client/controller/driver.h"
#include "client/controller/helper/driverstatus.h"
#include "client/controller/list/launcher.h"
#include "client/controller/list/ownerkeeper.h"
#include "client/controller/list/search.h"
#include "client/controller/list/toolbar.h"
#include "client/controller/notification.h"
#include "client/controller/report.h"
#include "client/controller/user/user.h"
#include "client/controller/user/usergroup.h"
#include "client/controller/user/userguisession.h"
#include "client/net/apinetwork.h"
#include "model/base/notification/notification.h"
#include "model/base/abstractmodel.h"
#include "sentmessages.h"

#include <QtTest>

#include <functional>

using namespace Client::Controller;

namespace {

// The application's notification controller: the name and the rows come with the subclass.
class AppNotification : public Notification
{
public:
    AppNotification() { useClassWideModel<AppNotification, Model::Base::Notification>(); }
    QString name() const override { return QStringLiteral("notification"); }
};

using Factory = std::function<DesktopController *()>;

} // namespace

Q_DECLARE_METATYPE(Factory)

// The thin controllers: names, row models, their own requests and answers, and the counters.
class TestSmallControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shapes_data();
    void shapes();
    void ownRequestsAndAnswers();
    void unreadCounter();
    void driverStatus_data();
    void driverStatus();

private:
    std::unique_ptr<Client::ApiNetwork> m_net;
};

void TestSmallControllers::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestSmallControllers::shapes_data()
{
    QTest::addColumn<Factory>("make");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("model"); // 0 none, 1 per instance, 2 class-wide
    QTest::addColumn<QString>("column");
    QTest::newRow("driver") << Factory([] { return new Driver; }) << "driver" << 0 << "";
    QTest::newRow("report") << Factory([] { return new Report; }) << "report" << 0 << "";
    QTest::newRow("notification") << Factory([] { return new Notification; }) << "" << 0 << "";
    QTest::newRow("user") << Factory([] { return new User; }) << "user" << 2 << "sign";
    QTest::newRow("user group") << Factory([] { return new UserGroup; }) << "ug" << 2 << "code";
    QTest::newRow("gui session") << Factory([] { return new UserGuiSession; }) << "userGuiSession" << 1
                                 << "is_default_string";
    QTest::newRow("tool bar") << Factory([] { return new ToolBar; }) << "toolBar" << 1 << "commandObject";
    QTest::newRow("owner keeper") << Factory([] { return new OwnerKeeper; }) << "ownerKeeper" << 1 << "sign";
    QTest::newRow("search") << Factory([] { return new Search; }) << "search" << 1 << "seq_num";
    QTest::newRow("launcher") << Factory([] { return new Launcher; }) << "launcher" << 1 << "commandObject";
}

void TestSmallControllers::shapes()
{
    QFETCH(Factory, make);
    QFETCH(QString, name);
    QFETCH(int, model);
    QFETCH(QString, column);
    std::unique_ptr<DesktopController> first(make());
    std::unique_ptr<DesktopController> second(make());
    QCOMPARE(first->name(), name);
    QCOMPARE(first->isStaticModel(), model == 2);
    if (model == 0) {
        QVERIFY(!first->originalModel());
        return;
    }
    QVERIFY(first->originalModel()->containsRole(column));
    QVERIFY(first->proxyModel() != second->proxyModel());
    // Class-wide rows are one model for every instance; other rows belong to their instance.
    QCOMPARE(first->originalModel() == second->originalModel(), model == 2);
    if (name == "userGuiSession") {
        const qlonglong flags = first->originalModel()->getFieldProperties("rst_id_owner");
        QCOMPARE(flags & (Model::REFERENCE | Model::NON_UPDATABLE), qlonglong(Model::REFERENCE | Model::NON_UPDATABLE));
        QCOMPARE(first->originalModel()->baseModel()->field("rst_id_owner").refTable, QString("users"));
    }
}

void TestSmallControllers::ownRequestsAndAnswers()
{
    SentMessages sent(m_net.get());
    Driver driver;
    Report report;
    AppNotification notification;
    driver.trArchive({{"id", "3"}, {"is_archived", "1"}});
    report.trCreate({{"type", "4"}});
    notification.trBatchRemove({{"ids", "[1,2]"}});
    QStringList actions;
    for (const QVariantMap &message : sent.maps())
        actions << message.value("FN").toString();
    QCOMPARE(actions, (QStringList{"driver_trArchive", "report_trCreate", "notification_trBatchRemove"}));
    QCOMPARE(sent.maps().first().value("is_archived").toString(), QString("1"));

    QSignalSpy archived(&driver, &Driver::saArchive);
    QSignalSpy updated(&driver, &DesktopController::saUpdate);
    QVERIFY(driver.handleMessage("saArchive", {{"RES", "10"}}));
    QVERIFY(driver.handleMessage("saUpdate", {{"RES", "10"}}));
    QVERIFY(!driver.handleMessage("saCreate", {}));
    QCOMPARE(archived.count(), 1);
    QCOMPARE(updated.count(), 1);
    QSignalSpy created(&report, &Report::saCreate);
    QVERIFY(report.handleMessage("saCreate", {{"RES", "10"}}));
    QVERIFY(!report.handleMessage("saArchive", {}));
    QCOMPARE(created.count(), 1);
    QSignalSpy batch(&notification, &Notification::saBatchRemove);
    QVERIFY(notification.handleMessage("saBatchRemove", {{"RES", "10"}}));
    QCOMPARE(batch.count(), 1);
}

void TestSmallControllers::unreadCounter()
{
    AppNotification notification;
    QCOMPARE(notification.unreadCount(), 0);
    QSignalSpy counted(&notification, &Notification::unreadCountChanged);
    OriginalModel *model = notification.originalModel();
    model->clear();
    const QList<QVariantMap> rows{{{"id", "1"}, {"is_readed", "0"}},
                                  {{"id", "2"}, {"is_readed", "1"}},
                                  {{"id", "3"}, {"is_readed", 0}},
                                  {{"id", "4"}}};
    for (const QVariantMap &row : rows)
        model->addRow(row);
    notification.handleMessage("saGetList", {{"STATE", "end"}});
    QCOMPARE(notification.unreadCount(), 2);
    QCOMPARE(counted.count(), 1);
    // The same rows again change nothing.
    for (const QVariantMap &row : rows)
        model->addRow(row);
    notification.handleMessage("saGetList", {{"STATE", "end"}});
    QCOMPARE(counted.count(), 1);
    notification.handleMessage("saRemove", {{"RES", "10"}, {"id", "3"}});
    QCOMPARE(notification.unreadCount(), 1);
    notification.handleMessage("saRemove", {{"RES", "10"}, {"id", "1"}});
    QCOMPARE(notification.unreadCount(), 0);
    QCOMPARE(counted.last().first().toInt(), 0);
    model->clear();

    // Without rows of its own the base counts nothing.
    Notification bare;
    bare.handleMessage("saGetList", {{"STATE", "end"}});
    QCOMPARE(bare.unreadCount(), 0);
}

void TestSmallControllers::driverStatus_data()
{
    QTest::addColumn<QVariant>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << QVariant("0") << "Offline";
    QTest::newRow("100") << QVariant(100) << "Offline";
    QTest::newRow("200") << QVariant("200") << "Offline";
    QTest::newRow("150") << QVariant("150") << "n/a";
    QTest::newRow("1000") << QVariant("1000") << "Free";
    QTest::newRow("2000") << QVariant("2000") << "On order";
    QTest::newRow("2200") << QVariant("2200") << "Busy";
    QTest::newRow("3000") << QVariant("3000") << "SOS";
    QTest::newRow("4000") << QVariant("4000") << "Company car offline";
    QTest::newRow("missing") << QVariant() << "Offline";
    QTest::newRow("text") << QVariant("busy") << "Offline";
}

void TestSmallControllers::driverStatus()
{
    QFETCH(QVariant, status);
    QFETCH(QString, text);
    QVariantMap row{{"id", "1"}};
    if (status.isValid())
        row.insert("status", status);
    Helper::DriverStatus().setStatusString(row);
    QCOMPARE(row.value("status_string").toString(), text);
}

QTEST_MAIN(TestSmallControllers)
#include "tst_smallcontrollers.moc"
