#include "gui/controller/abstractcontroller.h"
#include "gui/controller/network.h"
#include "gui/core/context.h"
#include "gui/core/utils.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/update/updater.h"
#include "gui/widget/dataloading.h"
#include "delivery.h"
#include "globaltestbed.h"
#include "openedurls.h"
#include "optionrights.h"
#include "sentmessages.h"
#include "testcontroller.h"
#include "testglobal.h"
#include "testmainwindow.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "gui/settings/settings.h"
#include "timelimit.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

using namespace Client::Controller;

namespace {

// The application's twelve catalogue controllers, "cat1" ... "cat12".
QList<TestController *> catalogues(TestGlobal *global)
{
    return global->findChildren<TestController *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

// GLOBAL over a scripted network: what the first session-open answer starts, the loading
// window, the rows of the shared lists, rights arriving and going, the server ending the
// session, and the tab and toast invokables.
class TestGlobalObject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listsAfterTheFirstOpen();
    void loadingCounter();
    void lateAnswersAfterLoading();
    void refusedListEndsItsCount();
    void reconnection();
    void oldVersion();
    void newVersionAvailable();
    void sessionEndedByServer_data();
    void sessionEndedByServer();
    void rowsReachOnlyTheRequester();
    void rightsArriving_data();
    void rightsArriving();
    void rightsBeforeTheOptionsLoaded();
    void defaultGuiSessionAfterLoading();
    void updateCheckAfterLoading_data();
    void updateCheckAfterLoading();
    void invokables();

private:
    void open(const QVariantMap &answer = {});
    void deliver(const QString &name, const QString &action, const QVariantMap &params);
    void endList(ItemController *controller, const QVariantMap &extra = {});

    std::unique_ptr<GlobalTestBed> m_bed;
    std::unique_ptr<SentMessages> m_sent;
    QPointer<TestMainWindow> m_window;
    TestGlobal *m_global = nullptr;
};

void TestGlobalObject::initTestCase()
{
    m_bed = std::make_unique<GlobalTestBed>([] { return std::make_unique<Gui::Context>(); });
}

void TestGlobalObject::init()
{
    m_bed->rights().clear();
    m_bed->watchdog().reset();
    m_window = new TestMainWindow;
    m_window->createGlobal();
    m_global = m_window->testGlobal();
    m_global->onCreateControllers = [](TestGlobal *global) {
        for (int i = 1; i <= 12; ++i) {
            auto *controller = new TestController("cat" + QString::number(i));
            controller->setParent(global);
            global->registerController(controller);
        }
    };
    m_global->onFirstLoad = [](TestGlobal *global) {
        for (TestController *controller : catalogues(global))
            controller->trGetList({{"is_archived", 0}}, true);
    };
    m_window->setup();
    // The window stays: closing() is checked where it is expected.
    disconnect(m_global, &Gui::Global::closing, m_window, nullptr);
    m_sent = std::make_unique<SentMessages>(m_bed->network());
}

void TestGlobalObject::cleanup()
{
    m_sent.reset();
    delete m_window;
    VERIFY_NO_MODAL(m_bed->watchdog());
}

void TestGlobalObject::deliver(const QString &name, const QString &action, const QVariantMap &params)
{
    deliverMessage(m_bed->network(), name, action, params);
}

void TestGlobalObject::open(const QVariantMap &answer)
{
    QVariantMap params{{"RES", "10"}, {"rst_id_owner", "5"}, {"rst_id_group", "2"}, {"utc_offset", "180"},
                       {"utc_dt", "1715688000000"}, {"sys_utc_offset", "0"}, {"RECEIVER", "ALL"}};
    for (auto it = answer.cbegin(); it != answer.cend(); ++it)
        params.insert(it.key(), it.value());
    deliver("userSession", "saOpen", params);
}

void TestGlobalObject::endList(ItemController *controller, const QVariantMap &extra)
{
    QVariantMap params{{"STATE", "end"}, {"RECEIVER", controller->objectNumber()},
                       {"FN", controller->name() + "_saGetList"}};
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        params.insert(it.key(), it.value());
    deliver(controller->name(), "saGetList", params);
}

void TestGlobalObject::listsAfterTheFirstOpen()
{
    QCOMPARE(m_global->registeredCount(), 20);
    open();
    const QList<QVariantMap> sent = m_sent->maps();
    QStringList expected{"sog_trGetList", "sot_trGetList", "so_trGetList", "ugso_trGetList",
                         "uso_trGetList", "user_trGetList", "ug_trGetList"};
    for (int i = 1; i <= 12; ++i)
        expected << "cat" + QString::number(i) + "_trGetList";
    expected << "userGuiSession_trGetList";
    QCOMPARE(m_sent->names(), expected);
    QCOMPARE(sent.at(3).value("rst_id_group"), QVariant(qint64(2)));
    QCOMPARE(sent.at(4).value("rst_id_owner"), QVariant(qint64(5)));
    QCOMPARE(sent.last().value("rst_id_owner"), QVariant(qint64(5)));
    QCOMPARE(sent.at(7).value("is_archived"), QVariant(0));
    QCOMPARE(m_global->stages, (QList<int>{0, 2}));
    QVERIFY(m_global->loadingWindow());
    QVERIFY(m_global->loadingWindow()->isVisible());
    QVERIFY(m_global->loadingWindow()->isWaiting());
    QCOMPARE(m_bed->watchdog().boxes().size(), 0);
}

void TestGlobalObject::loadingCounter()
{
    open();
    QPointer<Gui::DataLoading> window = m_global->loadingWindow();
    QList<ItemController *> order{m_global->securityOptionGroup(), m_global->securityOptionType(),
                                  m_global->securityOption(), m_global->user(), m_global->userGroup()};
    for (ItemController *controller : order)
        endList(controller);
    QCOMPARE(m_global->loadedCount(), 5);
    QCOMPARE(window->progressBar()->value(), 25);
    QVERIFY(!window->isWaiting());
    // A second end of the same list and the end of a page's list of the same name count nothing.
    endList(m_global->user());
    TestController page("cat3");
    deliver("cat3", "saGetList", {{"STATE", "end"}, {"RECEIVER", page.objectNumber()}, {"FN", "cat3_saGetList"}});
    deliver("cat3", "saGetList", {{"STATE", "start"}, {"RECEIVER", catalogues(m_global).at(2)->objectNumber()}});
    QCOMPARE(m_global->loadedCount(), 5);
    QCOMPARE(window->progressBar()->value(), 25);
    // The GUI-session list ends the loading, whatever is still due.
    endList(m_global->userGuiSession());
    QCOMPARE(m_global->loadedCount(), 6);
    QTRY_VERIFY(window.isNull());
    QVERIFY(!m_global->loadingWindow());
}

void TestGlobalObject::lateAnswersAfterLoading()
{
    open();
    endList(m_global->userGuiSession());
    QTRY_VERIFY(!m_global->loadingWindow());
    const int loaded = m_global->loadedCount();
    // Lists that end after the window went (reordered answers, slow catalogues) change nothing.
    for (ItemController *controller : std::initializer_list<ItemController *>{
             m_global->securityOption(), m_global->user(), catalogues(m_global).first(), m_global->userGuiSession()})
        endList(controller);
    QCOMPARE(m_global->loadedCount(), loaded);
    QVERIFY(!m_global->loadingWindow());
}

void TestGlobalObject::refusedListEndsItsCount()
{
    open();
    // A refused list brings no end: it counts as finished, so the loading cannot hang on it.
    deliver("userGuiSession", "saGetList",
            {{"RES", "0"}, {"ERRCODE", "50"}, {"RECEIVER", m_global->userGuiSession()->objectNumber()},
             {"FN", "userGuiSession_saGetList"}});
    QTRY_VERIFY(!m_global->loadingWindow());
    QCOMPARE(m_global->loadedCount(), 1);
}

void TestGlobalObject::reconnection()
{
    open();
    endList(m_global->user());
    // Reconnected while the lists were loading: they are asked for again, and still count.
    m_sent->clear();
    open({{"RES", "20"}});
    QCOMPARE(m_global->stages, (QList<int>{0, 2, 0, 2}));
    QCOMPARE(m_sent->names().size(), 20);
    QCOMPARE(m_sent->names().last(), QString("userGuiSession_trGetList"));
    endList(m_global->user());
    QCOMPARE(m_global->loadedCount(), 1);
    endList(m_global->userGuiSession());
    QTRY_VERIFY(!m_global->loadingWindow());
    // Reconnected after loading: the application's stage 1 only.
    m_sent->clear();
    open({{"RES", "20"}});
    QCOMPARE(m_global->stages, (QList<int>{0, 2, 0, 2, 1, 2}));
    QVERIFY(m_sent->maps().isEmpty());
}

void TestGlobalObject::oldVersion()
{
    QSignalSpy closing(m_global, &Gui::Global::closing);
    OpenedUrls pages("http");
    open({{"RES", "50"}, {"isNewVersionAvailable", "1"}});
    QCOMPARE(m_bed->watchdog().texts(), QStringList{"You have old version! Please update your application"});
    QCOMPARE(pages.urls, QList<QUrl>{QUrl(m_global->updater()->downloadPageUrl())});
    QVERIFY(pages.urls.first().path().endsWith("/install/windows"));
    QCOMPARE(m_bed->watchdog().boxes().first().title, QCoreApplication::applicationName());
    QCOMPARE(closing.count(), 1);
    QVERIFY(m_sent->maps().isEmpty());
    QVERIFY(!m_global->loadingWindow());
    QVERIFY(m_global->stages.isEmpty());
    m_bed->watchdog().reset();
    // Only the first answer of a run is checked.
    open({{"RES", "10"}});
    QCOMPARE(m_global->stages, (QList<int>{1, 2}));
}

void TestGlobalObject::newVersionAvailable()
{
    open({{"isNewVersionAvailable", "1"}});
    QCOMPARE(m_bed->watchdog().texts(),
             QStringList{"New version is available! Please update your application in the near future"});
    QVERIFY(m_global->loadingWindow());
    QCOMPARE(m_sent->names().last(), QString("userGuiSession_trGetList"));
    m_bed->watchdog().reset();
}

void TestGlobalObject::sessionEndedByServer_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("signed in elsewhere") << "auth" << "saFailed" << QVariantMap{{"RES", "30"}}
                                         << QStringList{"This account made other connection to the server"};
    QTest::newRow("another sign-in failure") << "auth" << "saFailed" << QVariantMap{{"RES", "0"}} << QStringList{};
    QTest::newRow("closed by the server") << "userSession" << "srClosed" << QVariantMap{{"RECEIVER", "ALL"}}
                                          << QStringList{"Your session closed on server side"};
}

void TestGlobalObject::sessionEndedByServer()
{
    QFETCH(QString, name);
    QFETCH(QString, action);
    QFETCH(QVariantMap, params);
    QFETCH(QStringList, boxes);
    QSignalSpy closing(m_global, &Gui::Global::closing);
    deliver(name, action, params);
    QCOMPARE(m_bed->watchdog().texts(), boxes);
    QCOMPARE(closing.count(), boxes.size());
    m_bed->watchdog().reset();
}

void TestGlobalObject::rowsReachOnlyTheRequester()
{
    UserGuiSession *sessions = m_global->userGuiSession();
    deliver("userGuiSession", "saListInfo", {{"id", "7"}, {"name", "own"}, {"RECEIVER", sessions->objectNumber()}});
    deliver("userGuiSession", "saListInfo", {{"id", "8"}, {"name", "a page's"}, {"RECEIVER", "123456"}});
    QCOMPARE(sessions->originalModel()->rowCount(), 1);
    QCOMPARE(sessions->originalModel()->data(0, "name").toString(), QString("own"));
    // The user groups start with the bracketed pseudo-row of every group.
    const QString all = m_global->userGroup()->proxyModel()->data(0, "name").toString();
    QCOMPARE(all, Gui::Utils::bracketed("All groups"));
    QCOMPARE(m_global->userGroup()->proxyModel()->data(0, "id").toString(), QString("1"));
}

void TestGlobalObject::rightsArriving_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("signal");
    QTest::addColumn<QString>("effect");
    QTest::newRow("read granted") << "cat2.crud.read" << "1" << QStringList{"cat2", "read"} << "reload";
    QTest::newRow("read withdrawn") << "cat2.crud.read" << "0" << QStringList{"cat2", "read"} << "clear";
    QTest::newRow("update changes no list") << "cat2.crud.update" << "0" << QStringList{"cat2", "update"} << "none";
    QTest::newRow("short code") << "cat2.crud" << "1" << QStringList{} << "none";
    QTest::newRow("code without dots") << "cat2" << "1" << QStringList{} << "none";
    QTest::newRow("unknown option") << "" << "1" << QStringList{} << "none";
}

void TestGlobalObject::rightsArriving()
{
    QFETCH(QString, code);
    QFETCH(QString, value);
    QFETCH(QStringList, signal);
    QFETCH(QString, effect);
    UserGroupSecurityOption *groupValues = m_global->userGroupSecurityOption();
    groupValues->originalModel()->setDataAtLeastLoaded(true);
    TestController *cat2 = catalogues(m_global).at(1);
    QVERIFY(cat2->trGetList({{"is_archived", 0}}, true));
    cat2->originalModel()->addRow({{"id", "4"}, {"dt_utc_last_update", "400"}});
    m_sent->clear();
    QSignalSpy received(m_global, &Gui::Global::soReceived);
    // The value arrives as a row of the group's option list.
    const QString option = code.isEmpty() ? QString("999") : m_bed->rights().addOption(code);
    const QVariantMap row{{"id", "900"}, {"rst_id_group", "2"}, {"rst_id_so", option}, {"option_value", value},
                          {"RECEIVER", groupValues->objectNumber()}};
    deliver("ugso", "saListInfo", row);
    QCOMPARE(groupValues->originalModel()->findId("900") >= 0, true);
    QCOMPARE(received.count(), signal.isEmpty() ? 0 : 1);
    if (!signal.isEmpty())
        QCOMPARE((QStringList{received.first().at(0).toString(), received.first().at(1).toString()}), signal);
    if (effect == "reload") {
        QCOMPARE(m_sent->maps(), (QList<QVariantMap>{{{"is_archived", 0}, {"dt_utc_last_update", qint64(401)},
                                                      {"_do_not_clear_model", "1"}, {"query_limit", qint64(0)},
                                                      {"FN", "cat2_trGetList"},
                                                      {"RECEIVER", cat2->number()}}}));
        QCOMPARE(cat2->originalModel()->rowCount(), 1);
    } else if (effect == "clear") {
        QVERIFY(m_sent->maps().isEmpty());
        QCOMPARE(cat2->originalModel()->rowCount(), 0);
        QCOMPARE(cat2->originalModel()->maxDtUtcLastUpdate(), qint64(0));
    } else {
        QVERIFY(m_sent->maps().isEmpty());
        QCOMPARE(cat2->originalModel()->rowCount(), 1);
    }
}

void TestGlobalObject::rightsBeforeTheOptionsLoaded()
{
    UserGroupSecurityOption *groupValues = m_global->userGroupSecurityOption();
    groupValues->originalModel()->setDataAtLeastLoaded(false);
    QSignalSpy received(m_global, &Gui::Global::soReceived);
    const QString option = m_bed->rights().addOption("cat2.crud.read");
    deliver("ugso", "saListInfo", {{"id", "901"}, {"rst_id_group", "2"}, {"rst_id_so", option},
                                   {"option_value", "1"}, {"RECEIVER", groupValues->objectNumber()}});
    // A row of the list still loading joins the model, but announces no right.
    QCOMPARE(received.count(), 0);
    QVERIFY(groupValues->originalModel()->findId("901") >= 0);
}

void TestGlobalObject::defaultGuiSessionAfterLoading()
{
    open();
    UserGuiSession *sessions = m_global->userGuiSession();
    for (const char *id : {"12", "14"}) {
        deliver("userGuiSession", "saListInfo",
                {{"id", id}, {"name", QString("session ") + id}, {"is_default", QString(id) == "14" ? "1" : "0"},
                 {"value", ""}, {"auto_save", "0"}, {"RECEIVER", sessions->objectNumber()}});
    }
    QSignalSpy switched(m_global->guiSession(), &Gui::GuiSession::currentIdChanged);
    endList(sessions);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(m_global->guiSession()->currentId(), 14);
    QCOMPARE(m_window->windowTitle(), QCoreApplication::applicationName() + " (session 14)");
}

void TestGlobalObject::updateCheckAfterLoading_data()
{
    QTest::addColumn<bool>("checkOnStartup");
    QTest::newRow("checked") << true;
    QTest::newRow("not checked") << false;
}

void TestGlobalObject::updateCheckAfterLoading()
{
    QFETCH(bool, checkOnStartup);
    QTcpServer updateServer;
    QVERIFY(updateServer.listen(QHostAddress::LocalHost));
    Gui::Updater *updater = m_global->updater();
    QVERIFY(updater);
    updater->setServerUrl(QUrl(QString("http://127.0.0.1:%1").arg(updateServer.serverPort())));
    Gui::Settings::setValue("updating", "checkOnStartup", checkOnStartup);
    auto requests = [updater] { return updater->findChildren<QNetworkReply *>().size(); };

    open();
    endList(m_global->user());
    QCOMPARE(requests(), 0);
    // Once the shared lists are in, and only when the setting asks for it.
    endList(m_global->userGuiSession());
    QCOMPARE(requests(), checkOnStartup ? 1 : 0);
    Gui::Settings::setValue("updating", "checkOnStartup", false);
    if (!checkOnStartup)
        return;

    // The manifest is asked for; a failed check at start-up says nothing.
    QTRY_VERIFY(updateServer.hasPendingConnections());
    QTcpSocket *socket = updateServer.nextPendingConnection();
    QByteArray request;
    QTRY_VERIFY((request += socket->readAll()).contains("\r\n\r\n"));
    const QString expected = QString("GET /download/%1/update/manifest.json HTTP/1.1\r\n")
                                 .arg(QCoreApplication::applicationName());
    QVERIFY2(request.startsWith(expected.toLatin1()), request.constData());
    QVERIFY(request.contains(QString("User-Agent: %1/%2 (Qt; Updater)")
                                 .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                                 .toLatin1()));
    qRegisterMetaType<QNetworkReply *>();
    QSignalSpy answered(updater->findChild<QNetworkAccessManager *>(), &QNetworkAccessManager::finished);
    socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    QVERIFY(answered.wait(timeLimit(5000)));
    QCoreApplication::processEvents();
    QCOMPARE(m_bed->watchdog().texts(), QStringList());

    // An update put in place closes the main window as the user would: with the question.
    m_bed->watchdog().answerNext(QMessageBox::No);
    emit updater->restart();
    QCOMPARE(m_bed->watchdog().texts(), QStringList{"Are you sure want to quit?"});
    QVERIFY(m_window);
    m_bed->watchdog().reset();
}

void TestGlobalObject::invokables()
{
    QSignalSpy scale(m_global, &Gui::Global::scaleFactorChanged);
    m_global->setScaleFactor(1.0);
    QCOMPARE(scale.count(), 0);
    m_global->setScaleFactor(1.5);
    QCOMPARE(scale.count(), 1);
    QCOMPARE(m_global->scaleFactor(), 1.5);

    QObject first, second, third;
    m_global->pushToast(&first);
    m_global->pushToast(&second);
    m_global->pushToast(&third);
    QCOMPARE(m_global->toastCount(), 3);
    m_global->popToast();
    QCOMPARE(m_global->toastCount(), 2);
    m_global->popToast();
    m_global->popToast();
    m_global->popToast();
    QCOMPARE(m_global->toastCount(), 0);

    // The rights questions read the signed-in user's options.
    TestController car("car");
    QVERIFY(!m_global->securityState(&car, "read"));
    m_bed->rights().grantRead("car");
    QVERIFY(m_global->securityState(&car, "read"));
    QVERIFY(m_global->securityStateByName("car", "read"));
    QCOMPARE(m_global->securityValue(&car, "read"), QString("1"));
    QVERIFY(!m_global->securityStateByName("car", "update"));
    QVERIFY(!m_global->securityState(nullptr, "read"));

    // Without tabs there is no page to name.
    QVERIFY(!m_global->tabQmlItem(0));
    QVERIFY(!m_global->currentQmlItem());
    open();
    QCOMPARE(m_global->ownerId(), qint64(5));
    QCOMPARE(m_global->utcOffset(), 180);
}

QTEST_MAIN(TestGlobalObject)
#include "tst_global.moc"
