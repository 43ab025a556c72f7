#include "client/controller/auth.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "client/net/qmlnetwork.h"
#include "client/utils/desktoputils.h"
#include "common/core/singleton/spsingleton.h"
#include "messagecatcher.h"
#include "timelimit.h"

#include <QtTest>

#include <memory>

using Client::Controller::Auth;
using Client::Controller::UserSession;

namespace {

// Hands a message to the registry from another thread, as the network thread does.
void dispatchFromOtherThread(Client::ApiNetwork &net, const QString &controller, const QString &action,
                             const QVariantMap &params)
{
    std::unique_ptr<QThread> thread(QThread::create([&] { net.dispatchMessage(controller, action, params); }));
    thread->start();
    thread->wait();
}

} // namespace

// Sign-in and session controllers, and delivery of messages to the controllers of a name.
class TestSessionControllers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void authAnswers_data();
    void authAnswers();
    void authRequest();
    void openAnswers();
    void closeRequests();
    void closeReason_data();
    void closeReason();
    void deliveryToControllersOfAName();
    void serverClock();
    void clockBeforeTheSessionOpens();
    void sessionTable();
    void qmlNetworkFront();

private:
    std::unique_ptr<Client::ApiNetwork> m_net;
};

void TestSessionControllers::init()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestSessionControllers::cleanup()
{
    m_net.reset();
    QVERIFY(!Common::AbstractController::network());
}

void TestSessionControllers::authAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("handled");
    QTest::newRow("number 10") << "saAuth" << QVariantMap{{"RES", 10}} << true << true;
    QTest::newRow("text 10") << "saAuth" << QVariantMap{{"RES", "10"}} << true << true;
    QTest::newRow("json auth") << "auth" << QVariantMap{{"RES", "10"}} << true << true;
    QTest::newRow("no RES") << "saAuth" << QVariantMap{} << false << true;
    QTest::newRow("RES 0") << "saAuth" << QVariantMap{{"RES", "0"}} << false << true;
    QTest::newRow("saFailed") << "saFailed" << QVariantMap{{"RES", "10"}} << false << true;
    QTest::newRow("other") << "saGetList" << QVariantMap{{"RES", "10"}} << false << false;
}

void TestSessionControllers::authAnswers()
{
    QFETCH(QString, action);
    QFETCH(QVariantMap, params);
    QFETCH(bool, accepted);
    QFETCH(bool, handled);
    Auth auth;
    QSignalSpy ok(&auth, &Auth::saAuth);
    QSignalSpy failed(&auth, &Auth::saFailed);
    QCOMPARE(auth.handleMessage(action, params), handled);
    QCOMPARE(ok.count(), accepted ? 1 : 0);
    QCOMPARE(failed.count(), handled && !accepted ? 1 : 0);
    if (!failed.isEmpty())
        QCOMPARE(failed.first().first().toMap(), params);
}

void TestSessionControllers::authRequest()
{
    Auth auth;
    QSignalSpy sent(m_net.get(), qOverload<NetDTO>(&Common::ApiNetwork::sendMessage));
    QSignalSpy sentJson(m_net.get(), qOverload<QJsonObject>(&Common::ApiNetwork::sendMessage));
    m_net->setSign("op");
    m_net->setPwd("0123abcd");
    auth.trAuth();
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().first().value<NetDTO>().mapParams(),
             (QVariantMap{{"FN", "auth_trAuth"}, {"SID", "0123abcd"}}));

    auth.setUseJson(true);
    auth.trAuth();
    QCOMPARE(sentJson.count(), 1);
    QCOMPARE(sentJson.first().first().toJsonObject(),
             (QJsonObject{{"method", "auth.auth"},
                          {"id", auth.objectNumber()},
                          {"params", QJsonObject{{"sign", "op"}, {"sid", "0123abcd"}}}}));
}

void TestSessionControllers::openAnswers()
{
    UserSession session;
    QSignalSpy opened(&session, &UserSession::saOpen);
    QSignalSpy closing(m_net.get(), &Common::Network::closeConnection);
    const QVariantMap answer{{"RES", "20"}, {"id", "9"}, {"rst_id_owner", "3"}, {"rst_id_group", "4"},
                             {"sign", "op"}, {"utc_offset", "-90"}, {"utc_dt", "1700000000000"},
                             {"sys_utc_offset", "180"}};
    QVERIFY(session.handleMessage("saOpen", answer));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(session.rstIdOwner(), QString("3"));
    QCOMPARE(session.property("rst_id_group").toString(), QString("4"));
    QCOMPARE(session.property("utc_offset").toString(), QString("-90"));
    QCOMPARE(session.property("sys_utc_offset").toLongLong(), 180);
    const qint64 now = session.currentMSecsSinceEpoch();
    QVERIFY(now >= 1700000000000 && now < 1700000000000 + 5000);

    // Code 30 changes nothing and emits nothing; "RES" wins over "resCode".
    QVERIFY(!session.handleMessage("saOpen", {{"RES", "30"}, {"resCode", 10}, {"rst_id_owner", "77"}}));
    QCOMPARE(session.rstIdOwner(), QString("3"));
    QCOMPARE(opened.count(), 1);

    // Code 50 (old client) is passed on with the fields unchanged.
    QVERIFY(session.handleMessage("saOpen", {{"RES", "50"}, {"rst_id_owner", "77"}}));
    QCOMPARE(opened.count(), 2);
    QCOMPARE(session.rstIdOwner(), QString("3"));

    // Code 0 closes the connection and emits nothing.
    QVERIFY(!session.handleMessage("saOpen", {{"RES", "0"}}));
    QCOMPARE(closing.count(), 1);
    QCOMPARE(opened.count(), 2);

    // The pong stops the pong timer; the server's close ends the connection.
    QSignalSpy pong(m_net.get(), &Common::Network::stopgPongTimer);
    QSignalSpy closed(&session, &UserSession::srClosed);
    QVERIFY(session.handleMessage("saPing", {}));
    QVERIFY(session.handleMessage("srClosed", {{"RECEIVER", "ALL"}}));
    QCOMPARE(pong.count(), 1);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closing.count(), 2);
}

void TestSessionControllers::closeRequests()
{
    UserSession session;
    QSignalSpy sent(m_net.get(), qOverload<NetDTO>(&Common::ApiNetwork::sendMessage));
    QSignalSpy closing(m_net.get(), &Common::Network::closeConnection);

    // A page closes another user's session as a request of its own instance; the connection stays.
    QVERIFY(session.trClose({{"rst_id_owner", "5"}}));
    QCOMPARE(sent.last().first().value<NetDTO>().mapParams(),
             (QVariantMap{{"FN", "userSession_trClose"}, {"RECEIVER", session.objectNumber()}, {"rst_id_owner", "5"}}));
    QCOMPARE(closing.count(), 0);

    // An empty user is refused: nothing goes out.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("trClose with an empty rst_id_owner"));
    QVERIFY(!session.trClose({{"rst_id_owner", ""}}));
    QCOMPARE(sent.count(), 1);
    QCOMPARE(closing.count(), 0);

    // Without the key the operator's own session is closed, and then the connection.
    for (const QVariantMap &params : {QVariantMap{}, QVariantMap{{"type_close", 3}}}) {
        QVERIFY(session.trClose(params));
        QVariantMap expected = params;
        expected.insert("FN", "userSession_trClose");
        QCOMPARE(sent.last().first().value<NetDTO>().mapParams(), expected);
    }
    QCOMPARE(sent.count(), 3);
    QCOMPARE(closing.count(), 2);

    // Open and ping requests carry no "RECEIVER".
    session.trOpen();
    session.trPing();
    QCOMPARE(sent.count(), 5);
    const QVariantMap open = sent.at(3).first().value<NetDTO>().mapParams();
    QCOMPARE(open.value("FN").toString(), QString("userSession_trOpen"));
    QCOMPARE(open.value("version").toString(), QString("1.6.0"));
    QVERIFY(!open.contains("RECEIVER"));
    QCOMPARE(sent.at(4).first().value<NetDTO>().mapParams(), (QVariantMap{{"FN", "userSession_trPing"}}));
}

void TestSessionControllers::closeReason_data()
{
    QTest::addColumn<QVariant>("typeClose");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << QVariant("0") << "0. not closed";
    QTest::newRow("3") << QVariant("3") << "3. closed by the user";
    QTest::newRow("6 as number") << QVariant(6) << "6. hard closed";
    QTest::newRow("9") << QVariant("9") << "9. ";
    QTest::newRow("-1") << QVariant("-1") << "-1. ";
    QTest::newRow("missing") << QVariant() << ". ";
}

void TestSessionControllers::closeReason()
{
    QFETCH(QVariant, typeClose);
    QFETCH(QString, text);
    UserSession session;
    QVariantMap row{{"id", "4"}};
    if (typeClose.isValid())
        row.insert("type_close", typeClose);
    session.prepareRow(row);
    QCOMPARE(row.value("type_close_string").toString(), text);
    QVERIFY(row.contains("type_close"));
}

void TestSessionControllers::deliveryToControllersOfAName()
{
    auto first = std::make_unique<Auth>();
    auto second = std::make_unique<Auth>();
    UserSession session;
    QCOMPARE(m_net->controllerCount(), 3);
    QSignalSpy firstOk(first.get(), &Auth::saAuth);
    QSignalSpy secondOk(second.get(), &Auth::saAuth);
    QSignalSpy sessionMessages(&session, qOverload<QString, QVariantMap>(&UserSession::messageReceived));
    bool inGuiThread = false;
    connect(first.get(), &Auth::saAuth, this, [&] { inGuiThread = QThread::currentThread() == qApp->thread(); });

    MessageCatcher log;
    qputenv("metrics", "1");
    dispatchFromOtherThread(*m_net, "auth", "saAuth", {{"RES", "10"}});
    QVERIFY(firstOk.wait(timeLimit(5000)));
    QTRY_COMPARE(secondOk.count(), 1);
    qunsetenv("metrics");
    QVERIFY(inGuiThread);
    QCOMPARE(sessionMessages.count(), 0);
    QCOMPARE(log.count("Metrics: Controller auth action saAuth: "), 2);

    // A controller destroyed while a message is on its way gets nothing.
    dispatchFromOtherThread(*m_net, "auth", "saAuth", {{"RES", "10"}});
    Auth *gone = second.release();
    delete gone;
    QCOMPARE(m_net->controllerCount(), 2);
    QVERIFY(firstOk.wait(timeLimit(5000)));
    QCOMPARE(secondOk.count(), 1);
}

void TestSessionControllers::serverClock()
{
    UserSession *session = SpSingleton<UserSession>::instance();
    QCOMPARE(SpSingleton<UserSession>::instance(), session);
    Client::DesktopUtils utils;
    const qint64 serverNow = 1767225540000; // 31.12.2025 23:59:00 UTC
    session->handleMessage("saOpen", {{"RES", "10"}, {"utc_dt", QString::number(serverNow)}, {"utc_offset", "180"}});
    const QDateTime now = utils.currentDateTime();
    QCOMPARE(now.offsetFromUtc(), 180 * 60);
    QVERIFY(now.toMSecsSinceEpoch() >= serverNow && now.toMSecsSinceEpoch() < serverNow + 5000);
    // At the user's offset the server's clock is already in the new year.
    QCOMPARE(now.date(), QDate(2026, 1, 1));

    session->handleMessage("saOpen", {{"RES", "20"}, {"utc_dt", QString::number(serverNow)}, {"utc_offset", "n/a"}});
    QCOMPARE(utils.currentDateTime().offsetFromUtc(), 0);
    QCOMPARE(utils.currentDateTime().date(), QDate(2025, 12, 31));

    // The clock lags the server's by at most the open request's round trip; an open answer
    // without a request of its own is not measured.
    QElapsedTimer roundTrip;
    roundTrip.start();
    session->trOpen();
    QTest::qWait(timeLimit(50)); // the answer on its way
    session->handleMessage("saOpen", {{"RES", "20"}, {"utc_dt", QString::number(serverNow)}});
    QVERIFY(session->clockUncertainty() >= 50);
    QVERIFY(session->clockUncertainty() <= roundTrip.elapsed());
    session->handleMessage("saOpen", {{"RES", "20"}, {"utc_dt", QString::number(serverNow)}});
    QCOMPARE(session->clockUncertainty(), 0);
}

void TestSessionControllers::clockBeforeTheSessionOpens()
{
    // Until the first open answer the clock is the system's, in UTC, never the epoch.
    UserSession session;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QVERIFY(qAbs(session.currentMSecsSinceEpoch() - now) < 5000);
    session.handleMessage("saOpen", {{"RES", "30"}, {"utc_dt", "1000"}});
    QVERIFY(qAbs(session.currentMSecsSinceEpoch() - now) < 5000);
    session.handleMessage("saOpen", {{"RES", "10"}, {"utc_dt", "1000"}});
    QVERIFY(session.currentMSecsSinceEpoch() < 1000 + 5000);
}

void TestSessionControllers::sessionTable()
{
    // The session controller is also the list controller of the users' sessions.
    UserSession session;
    QCOMPARE(session.name(), QString("userSession"));
    QVERIFY(session.originalModel() && session.proxyModel());
    QVERIFY(session.originalModel()->containsRole("type_close"));
    QVERIFY(!session.isStaticModel());
    connect(&session, &UserSession::saListInfo, this,
            [&](const QVariantMap &row) { session.originalModel()->addRow(row); });
    dispatchFromOtherThread(*m_net, "userSession", "saListInfo",
                            {{"id", "5"}, {"type_close", "4"}, {"RECEIVER", session.objectNumber()}});
    QTRY_COMPARE(session.originalModel()->rowCount(), 1);
    QCOMPARE(session.originalModel()->data(0).value("type_close_string").toString(),
             QString("4. closed by other user"));
    // Removing a closed session from the table is a desktop answer like any other.
    dispatchFromOtherThread(*m_net, "userSession", "saRemove", {{"RES", "10"}, {"id", "5"}});
    QTRY_COMPARE(session.originalModel()->rowCount(), 0);
}

void TestSessionControllers::qmlNetworkFront()
{
    Client::QmlNetwork front;
    QSignalSpy state(&front, &Client::QmlNetwork::connectionState);
    QSignalSpy amount(&front, &Client::QmlNetwork::amountConnectedChanged);
    QSignalSpy connecting(m_net.get(), &Common::Network::makeConnection);
    QSignalSpy closing(m_net.get(), &Common::Network::closeConnection);
    m_net->setHost("example.test");
    m_net->setPort(40300);
    front.setSign("op");
    front.setPwd("digest");
    QCOMPARE(front.host(), QString("example.test"));
    QCOMPARE(front.port(), 40300);
    QCOMPARE(m_net->sign(), QString("op"));
    QCOMPARE(front.sign(), QString("op"));
    QCOMPARE(m_net->pwd(), QString("digest"));
    front.setProperty("amountConnected", 3);
    QCOMPARE(m_net->amountConnected(), 3);
    QCOMPARE(amount.count(), 1);
    emit m_net->connectionState(true);
    QCOMPARE(state.count(), 1);
    front.makeConnection();
    front.closeConnection();
    QCOMPARE(connecting.count(), 1);
    QCOMPARE(closing.count(), 1);

    // Without a network it answers empty.
    m_net.reset();
    QCOMPARE(front.host(), QString());
    QCOMPARE(front.amountConnected(), 0);
    front.makeConnection();
    m_net = std::make_unique<Client::ApiNetwork>();
}

QTEST_MAIN(TestSessionControllers)
#include "tst_sessioncontrollers.moc"
