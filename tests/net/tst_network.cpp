#include "answerlossproxy.h"
#include "client/controller/auth.h"
#include "client/controller/usersession.h"
#include "messagedispatcher.h"
#include "messagecatcher.h"
#include "network.h"
#include "standinserver.h"
#include "timelimit.h"

#include <QtEndian>
#include <QtTest>

#include <memory>
#include <thread>

using namespace std::chrono_literals;
using Client::Controller::Auth;
using Client::Controller::UserSession;

namespace {

const QString login = QStringLiteral("op");
const QString password = QStringLiteral("s3cret");

// Short intervals, stretched with the tests' waits: a pong, or a connection on the loopback, may
// take that long on a loaded machine. The pong time-out stays below the ping interval, so that only
// a pong keeps the connection.
const std::chrono::milliseconds PingInterval = timeLimit(600ms);
const std::chrono::milliseconds PongTimeout = timeLimit(400ms);
const std::chrono::milliseconds ConnectTimeout = timeLimit(400ms);

// A stand-in server and a client wired as the application wires them, with short intervals (set
// before the network thread starts, which reads them unguarded).
struct Harness
{
    explicit Harness(StandinServer &server, const QString &pwdDigest = passwordDigest(password),
                     std::chrono::milliseconds connectTimeout = ConnectTimeout)
    {
        network = std::make_unique<Network>();
        network->setPingInterval(PingInterval);
        network->setPongTimeout(PongTimeout);
        network->setConnectTimeout(connectTimeout);
        network->setReconnectDelay(timeLimit(50ms));
        Common::AbstractController::setNetwork(network.get());
        network->setMessageDispatcher(QSharedPointer<MessageDispatcher>::create());
        network->setPingEnabled(true);
        network->start();
        auth = std::make_unique<Auth>();
        session = std::make_unique<UserSession>();
        QObject::connect(network.get(), &Common::ApiNetwork::fireTrAuth, auth.get(), &Auth::trAuth);
        QObject::connect(auth.get(), &Auth::saAuth, session.get(), &UserSession::trOpen);
        network->setHost(QStringLiteral("127.0.0.1"));
        network->setPort(server.port());
        network->setSign(login);
        network->setPwd(pwdDigest);
    }
    ~Harness()
    {
        auth.reset();
        session.reset();
        network.reset();
    }

    std::unique_ptr<Network> network;
    std::unique_ptr<Auth> auth;
    std::unique_ptr<UserSession> session;
};

// Collects what the network hands out, in the GUI thread (queued), like any consumer there.
struct Inbox : QObject
{
    explicit Inbox(Common::ApiNetwork *network)
    {
        connect(network, qOverload<QVariantMap>(&Common::ApiNetwork::messageReceived), this,
                [this](const QVariantMap &m) { texts.append(m); });
        connect(network, qOverload<QJsonObject>(&Common::ApiNetwork::messageReceived), this,
                [this](const QJsonObject &m) { jsons.append(m); });
    }
    bool waitText(const QString &fn)
    {
        return QTest::qWaitFor([&] {
            return std::any_of(texts.cbegin(), texts.cend(), [&](const QVariantMap &m) { return m.value("FN") == fn; });
        }, timeLimit(5000));
    }
    bool waitJsons(int n) { return QTest::qWaitFor([&] { return jsons.size() >= n; }, timeLimit(5000)); }
    QList<QVariantMap> texts;
    QList<QJsonObject> jsons;
};

// The connection states the network thread reports, recorded in the GUI thread (queued): a
// QSignalSpy would be appended to by that thread while the test reads it, and a state reported
// before QSignalSpy::wait() starts would be missed by the wait.
struct StateLog : QObject
{
    explicit StateLog(Common::Network *network)
    {
        connect(network, &Common::Network::connectionState, this, [this](bool connected) { states.append(connected); });
    }
    QList<bool> states;
};

// A JSON frame of the text as written.
QByteArray jsonFrameOf(const QByteArray &text)
{
    QByteArray frame(4, '\0');
    qToBigEndian<qint32>(text.size(), frame.data());
    return frame + text;
}

// The stand-in's command that sends a JSON frame of the text as written.
QString pushJsonText(const QByteArray &text)
{
    return QStringLiteral("push-raw all ") + QString::fromLatin1(jsonFrameOf(text).toHex());
}

QStringList userArgs()
{
    return {QStringLiteral("--user"), login + QLatin1Char(':') + passwordDigest(password)};
}

} // namespace

// The connection thread and both framings against a stand-in server on the loopback.
class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void signInSessionKeepAliveAndClose();
    void refusedSignInStopsReconnecting();
    void refusedJsonSignInStopsReconnecting_data();
    void refusedJsonSignInStopsReconnecting();
    void refusedPortIsRetried();
    void hangingAttemptIsRetriedAndClosesAtOnce();
    void framesOfBothKindsAndBadData();
    void repeatedMemberKeepsTheConnection();
    void closeRequestFollowsTheLastFraming();
    void truncatedAnswerIsNotMisread();
    void noHostNoAttempt();
    void connectionsAreCountedAtomically();
};

void TestNetwork::signInSessionKeepAliveAndClose()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    Harness client(server);
    StateLog state(client.network.get());
    QSignalSpy opened(client.session.get(), &UserSession::saOpen);
    bool onGuiThread = false;
    QObject::connect(client.session.get(), &UserSession::saOpen, [&] {
        onGuiThread = QThread::currentThread() == qApp->thread();
    });

    const qint64 connectingAt = QDateTime::currentMSecsSinceEpoch();
    emit client.network->makeConnection();
    QVERIFY(server.waitFor(StandinServer::isMessage("auth_trAuth")));
    const QJsonObject authRequest = server.received("auth_trAuth").first();
    QCOMPARE(authRequest.value("SID").toString(), passwordDigest(password));
    QCOMPARE(authRequest.value("SIGN").toString(), login);
    QVERIFY(!authRequest.contains("RECEIVER"));

    QVERIFY(opened.wait(timeLimit(5000)));
    QVERIFY(onGuiThread);
    // The stand-in's report of a request may come after the client has read its answer.
    QVERIFY(server.waitFor(StandinServer::isMessage("userSession_trOpen")));
    const QJsonObject open = server.received("userSession_trOpen").first();
    QCOMPARE(open.value("version").toString(), QString("1.6.0"));
    QVERIFY(open.contains("os"));
    QVERIFY(open.contains("build_abi"));
    QCOMPARE(client.session->rstIdOwner(), QString("2"));
    QCOMPARE(client.session->utcOffset(), QString("180"));
    QVERIFY(qAbs(client.session->currentMSecsSinceEpoch() - QDateTime::currentMSecsSinceEpoch()) < timeLimit(5000));
    QCOMPARE(state.states, QList<bool>{true});
    QCOMPARE(client.network->amountConnected(), 1);

    // Pongs keep the connection: three cycles, past the pong time-out, without a drop.
    QVERIFY(server.waitForCount(StandinServer::isMessage("userSession_trPing"), 3));
    QCOMPARE(server.count(StandinServer::isEvent("disconnected")), 0);

    // A withheld pong drops the connection; the client comes back and signs in again. The
    // connection was known to be alive when the last pong came, a pong time-out before the loss
    // was noticed, and no later.
    qint64 aliveUntil = 0;
    qint64 noticedAt = 0;
    QObject::connect(client.session.get(), &UserSession::isOfflineChanged, [&](bool offline) {
        if (offline && !noticedAt) {
            aliveUntil = client.session->aliveUntil();
            noticedAt = QDateTime::currentMSecsSinceEpoch();
        }
    });
    server.command("set withhold_pong 1");
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QTRY_VERIFY(noticedAt > 0);
    QVERIFY2(aliveUntil > connectingAt && aliveUntil <= noticedAt - PongTimeout.count(),
             qPrintable(QString("alive until %1, noticed at %2").arg(aliveUntil - connectingAt).arg(noticedAt - connectingAt)));
    QVERIFY(server.waitForCount(StandinServer::isMessage("auth_trAuth"), 2));
    server.command("set withhold_pong 0");
    QVERIFY(opened.wait(timeLimit(5000)) || opened.count() >= 2);
    QCOMPARE(client.network->amountConnected(), 2);

    // The server closes the session: the connection ends and stays ended.
    QSignalSpy closed(client.session.get(), &UserSession::srClosed);
    server.command("srclosed all");
    QVERIFY(closed.wait(timeLimit(5000)));
    QVERIFY(server.waitForCount(StandinServer::isEvent("disconnected"), 2));
    QTest::qWait(timeLimit(1000));
    QCOMPARE(server.count(StandinServer::isEvent("connected")), 2);
    QCOMPARE(state.states.last(), false);
}

void TestNetwork::refusedSignInStopsReconnecting()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    Harness client(server, passwordDigest("wrong"));
    QSignalSpy failed(client.auth.get(), &Auth::saFailed);
    StateLog state(client.network.get());

    emit client.network->makeConnection();
    QVERIFY(failed.wait(timeLimit(5000)));
    QCOMPARE(failed.first().first().toMap().value("RES").toString(), QString("10"));
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QTRY_VERIFY(!state.states.isEmpty() && !state.states.last());
    QTest::qWait(timeLimit(1000));
    QCOMPARE(server.count(StandinServer::isEvent("connected")), 1);
    QCOMPARE(server.count(StandinServer::isMessage("userSession_trOpen")), 0);
}

void TestNetwork::refusedJsonSignInStopsReconnecting_data()
{
    QTest::addColumn<bool>("jsonSignIn");
    QTest::addColumn<QString>("resCode");
    // The stand-in's own answer to a JSON sign-in with a wrong password.
    QTest::newRow("answer to a JSON sign-in") << true << QString();
    // After a text sign-in and an open session, in one write behind a text frame.
    QTest::newRow("code 0 as text, after a session") << false << QString(R"("0")");
    QTest::newRow("code 0.0, after a session") << false << QString("0.0");
}

void TestNetwork::refusedJsonSignInStopsReconnecting()
{
    QFETCH(bool, jsonSignIn);
    QFETCH(QString, resCode);
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    Harness client(server, jsonSignIn ? passwordDigest("wrong") : passwordDigest(password));
    client.auth->setUseJson(jsonSignIn);
    StateLog state(client.network.get());
    Inbox inbox(client.network.get());
    MessageCatcher log;

    emit client.network->makeConnection();
    if (jsonSignIn) {
        QVERIFY(server.waitFor([](const QJsonObject &e) {
            return e.value("event") == "sent" && e.value("message").toObject().value("resCode") == 0;
        }));
    } else {
        QVERIFY(inbox.waitText("userSession_saOpen"));
        const QByteArray text = "#SIGN=server#FN=probe_saEcho#RES=10#[END]";
        const QByteArray refusal = R"({"controller":"auth","method":"auth","resCode":)" + resCode.toUtf8() + "}";
        server.command("push-raw all " + (qCompress(text, 9) + "#ENDMSG" + jsonFrameOf(refusal)).toHex());
        QVERIFY(inbox.waitText("probe_saEcho"));
    }
    QVERIFY(inbox.waitJsons(1));
    QCOMPARE(inbox.jsons.first().value("controller").toString(), QString("auth"));
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QTRY_COMPARE(state.states, (QList<bool>{true, false}));

    // A reconnection would come a reconnect delay (50 ms, stretched) after the loss.
    QVERIFY(!server.waitForCount(StandinServer::isEvent("connected"), 2, timeLimit(500)));
    QCOMPARE(client.network->amountConnected(), 1);
    QCOMPARE(state.states, (QList<bool>{true, false}));

    // A new sign-in connects again, as the first attempt after a close: no connection was wanted
    // meanwhile, so it is not logged as a retry.
    emit client.network->makeConnection();
    QVERIFY(server.waitForCount(StandinServer::isEvent("connected"), 2));
    QCOMPARE(log.count("Try to connect to"), 0);
}

void TestNetwork::refusedPortIsRetried()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    server.command("set refuse 1");
    QVERIFY(server.waitFor(StandinServer::isEvent("done")));
    // The attempt time-out is what is checked, against a port that refuses: not stretched.
    Harness client(server, passwordDigest(password), 400ms);
    MessageCatcher log;
    StateLog state(client.network.get());

    QElapsedTimer timer;
    timer.start();
    emit client.network->makeConnection();
    QTRY_VERIFY_WITH_TIMEOUT(log.count("Try to connect to 127.0.0.1:") >= 3, timeLimit(10000));
    // Attempts follow the attempt time-out, not a busy loop: one per 400 ms however late this
    // thread looks.
    const int attempts = log.count("Try to connect to 127.0.0.1:");
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= 3 * 400 - 100, qPrintable(QString::number(elapsed)));
    QVERIFY2(attempts <= elapsed / 400 + 2, qPrintable(QStringLiteral("%1 in %2 ms").arg(attempts).arg(elapsed)));
    QVERIFY(state.states.isEmpty());

    // Once the server listens again, the next attempt connects.
    server.command("set refuse 0");
    QTRY_VERIFY_WITH_TIMEOUT(!state.states.isEmpty() && state.states.last(), timeLimit(5000));
}

void TestNetwork::hangingAttemptIsRetriedAndClosesAtOnce()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    server.command("hang on");
    QVERIFY(server.waitFor(StandinServer::isEvent("done")));
    Harness client(server, passwordDigest(password), 300ms);
    MessageCatcher log;
    StateLog state(client.network.get());

    emit client.network->makeConnection();
    QTRY_VERIFY_WITH_TIMEOUT(log.count("Try to connect to") >= 2, timeLimit(5000));
    QVERIFY(state.states.isEmpty());

    // Closing while an attempt hangs does not wait for it: that would take the socket's own
    // 30 s waits, or the system's minutes of connection retries.
    emit client.network->closeConnection();
    QTRY_VERIFY_WITH_TIMEOUT(!state.states.isEmpty(), timeLimit(10000));
    QCOMPARE(state.states, QList<bool>{false});
    const int attempts = log.count("Try to connect to");
    QTest::qWait(timeLimit(700));
    QCOMPARE(log.count("Try to connect to"), attempts);
}

void TestNetwork::framesOfBothKindsAndBadData()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    Harness client(server);
    Inbox inbox(client.network.get());
    QSignalSpy opened(client.session.get(), &UserSession::saOpen);
    emit client.network->makeConnection();
    QVERIFY(opened.wait(timeLimit(5000)));

    // A text frame and a JSON frame holding "#ENDMSG", in one write.
    QVERIFY(inbox.waitText("userSession_saOpen"));
    inbox.texts.clear();
    server.command("mixed all");
    QVERIFY(inbox.waitJsons(1));
    QCOMPARE(inbox.jsons.last().value("note").toString(), QString("a#ENDMSG inside"));
    QCOMPARE(inbox.texts.size(), 1);
    QCOMPARE(inbox.texts.first().value("FN").toString(), QString("userSession_saPing"));
    QVERIFY(client.network->jsonMode());

    // Delivered one byte at a time.
    server.command("set byte_by_byte 1");
    server.command(R"(push-text all {"FN":"userSession_saClose","RES":"10","note":"a#b=c"})");
    QSignalSpy closeAnswer(client.session.get(), &UserSession::saClose);
    QVERIFY(closeAnswer.wait(timeLimit(10000)));
    QCOMPARE(closeAnswer.first().first().toMap().value("note").toString(), QString("a#b=c"));
    QVERIFY(!client.network->jsonMode());
    server.command("set byte_by_byte 0");

    // A numeric result code sent as text is not a refusal.
    server.command(R"(push-json all {"controller":"auth","method":"auth","resCode":"10"})");
    QVERIFY(inbox.waitJsons(2));
    QCOMPARE(server.count(StandinServer::isEvent("disconnected")), 0);

    // A text frame without text (qCompress of "": four zero bytes) is skipped, not an error.
    inbox.texts.clear();
    server.command("push-raw all " + (qCompress(QByteArray(), 9) + "#ENDMSG").toHex());
    server.command(R"(push-text all {"FN":"probe_saEcho","RES":"10"})");
    QVERIFY(inbox.waitText("probe_saEcho"));
    QCOMPARE(inbox.texts.size(), 1);
    QCOMPARE(server.count(StandinServer::isEvent("disconnected")), 0);

    // A NUL inside a value is data: the rows after it and the list's end arrive too.
    inbox.texts.clear();
    static const char rows[] = "#SIGN=s#FN=probe_saListInfo#id=1#name=a\0b#[END]"
                               "#SIGN=s#FN=probe_saListInfo#id=2#name=c#[END]"
                               "#SIGN=s#FN=probe_saGetList#STATE=end#[END]";
    const QByteArray withNul(rows, sizeof rows - 1);
    server.command("push-raw all " + (qCompress(withNul, 9) + "#ENDMSG").toHex());
    QVERIFY(inbox.waitText("probe_saGetList"));
    QCOMPARE(inbox.texts.size(), 3);
    QCOMPARE(inbox.texts.at(0).value("name").toString(), QString::fromUtf8("a\0b", 3));
    QCOMPARE(inbox.texts.at(1).value("id").toString(), QString("2"));
    QCOMPARE(inbox.texts.at(2).value("STATE").toString(), QString("end"));

    // Garbage drops the connection, and the client connects again.
    server.command("push-raw all 00000005ff0102030405");
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QVERIFY(server.waitForCount(StandinServer::isEvent("connected"), 2));
    // So does an oversize header, without waiting for the promised bytes.
    QVERIFY(opened.wait(timeLimit(5000)) || opened.count() >= 2);
    server.command("push-raw all 7fffffff7b");
    QVERIFY(server.waitForCount(StandinServer::isEvent("disconnected"), 2));
    QVERIFY(server.waitForCount(StandinServer::isEvent("connected"), 3));

    // A refused JSON sign-in answer (no result code) ends the connection for good.
    QTRY_VERIFY(server.count(StandinServer::isMessage("auth_trAuth")) >= 3);
    server.command(R"(push-json last {"controller":"auth","method":"auth"})");
    QVERIFY(server.waitForCount(StandinServer::isEvent("disconnected"), 3));
    QTest::qWait(timeLimit(800));
    QCOMPARE(server.count(StandinServer::isEvent("connected")), 3);
}

void TestNetwork::repeatedMemberKeepsTheConnection()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    AnswerLossProxy relay;
    QVERIFY(relay.listen(server.port()));
    Harness client(server);
    client.network->setPort(relay.port());
    Inbox inbox(client.network.get());
    MessageCatcher log;
    QSignalSpy opened(client.session.get(), &UserSession::saOpen);
    emit client.network->makeConnection();
    QVERIFY(opened.wait(timeLimit(5000)));
    // The relay drops the answer to closing another session, and reads the frames after it.
    relay.dropAnswerTo("userSession_trClose");
    QVERIFY(client.session->trClose({{"rst_id_owner", "5"}}));
    QTRY_COMPARE(relay.lost(), QStringList{"userSession_trClose"});

    // A member given twice is read with its last value, as the platform reads it; the frames
    // after it come on the same connection, and nothing is said of it.
    server.command(pushJsonText(R"({"controller":"probe","method":"twice","list":[1],"list":[2,3]})"));
    server.command(pushJsonText(R"({"controller":"probe","method":"thrice","o":{"a":[1]},"o":{"b":2},"o":{"c":3}})"));
    server.command(R"(push-json all {"controller":"probe","method":"after"})");
    QVERIFY2(inbox.waitJsons(3), qPrintable(log.allWarnings()));
    QCOMPARE(inbox.jsons.at(0).value("list"), QJsonValue(QJsonArray{2, 3}));
    QCOMPARE(inbox.jsons.at(1).value("o"), QJsonValue(QJsonObject{{"c", 3}}));
    QCOMPARE(inbox.jsons.at(2).value("method"), QJsonValue("after"));
    QCOMPARE(server.count(StandinServer::isEvent("disconnected")), 0);
    QCOMPARE(log.count("given twice"), 0);

    // A frame that cannot be read passes the relay as it came: the program drops the connection.
    server.command(pushJsonText(R"({"controller":"probe","list":[1],})"));
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QCOMPARE(log.count("JSON frame does not hold an object: object is missing after a comma"), 1);
    QVERIFY(opened.wait(timeLimit(5000)) || opened.count() >= 2);
}

void TestNetwork::closeRequestFollowsTheLastFraming()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    Harness client(server);
    QSignalSpy opened(client.session.get(), &UserSession::saOpen);
    Inbox inbox(client.network.get());
    emit client.network->makeConnection();
    QVERIFY(opened.wait(timeLimit(5000)));

    // After a JSON frame, a page still closes another user's session as its own text request;
    // the connection stays.
    server.command(R"(push-json all {"controller":"probe","method":"echo"})");
    QVERIFY(inbox.waitJsons(1));
    QVERIFY(client.session->trClose({{"rst_id_owner", "5"}}));
    QVERIFY(server.waitFor(StandinServer::isMessage("userSession_trClose")));
    const QJsonObject pageClose = server.received("userSession_trClose").first();
    QCOMPARE(pageClose.value("rst_id_owner").toString(), QString("5"));
    QCOMPARE(pageClose.value("RECEIVER").toString(), client.session->objectNumber());

    // Without an owner the own session is closed in the framing of the last answer, JSON again
    // here, and the connection ends for good.
    server.command(R"(push-json all {"controller":"probe","method":"echo"})");
    QVERIFY(inbox.waitJsons(2));
    QVERIFY(client.session->trClose({{"type_close", 3}}));
    QVERIFY(server.waitFor([](const QJsonObject &e) {
        const QJsonObject m = e.value("message").toObject();
        return e.value("kind") == "json" && m.value("controller") == "userSession" && m.value("method") == "close"
               && m.value("params").toObject().value("type_close").toVariant().toString() == "3";
    }));
    QVERIFY(server.waitFor(StandinServer::isEvent("disconnected")));
    QCOMPARE(server.count(StandinServer::isEvent("connected")), 1);
}

void TestNetwork::truncatedAnswerIsNotMisread()
{
    StandinServer server;
    QVERIFY(server.start(userArgs()));
    // Every connection breaks off in the middle of the sign-in answer.
    server.command("set drop_after_bytes 20");
    QVERIFY(server.waitFor(StandinServer::isEvent("done")));
    Harness client(server);
    Inbox inbox(client.network.get());
    QSignalSpy opened(client.session.get(), &UserSession::saOpen);
    emit client.network->makeConnection();
    QVERIFY(server.waitForCount(StandinServer::isEvent("dropped"), 2));
    QCOMPARE(inbox.texts.size(), 0);

    // The half frame left from a broken connection is not glued to the next one's bytes.
    server.command("set drop_after_bytes 0");
    QVERIFY(opened.wait(timeLimit(5000)));
    QTRY_COMPARE(server.count(StandinServer::isEvent("connected")), client.network->amountConnected());
    QVERIFY(inbox.waitText("userSession_saOpen"));
    for (const QVariantMap &message : qAsConst(inbox.texts))
        QVERIFY(message.value("FN") == "auth_saAuth" || message.value("FN").toString().startsWith("userSession_sa"));
}

void TestNetwork::noHostNoAttempt()
{
    Network network;
    network.setConnectTimeout(100ms);
    network.start();
    MessageCatcher log;
    StateLog state(&network);
    emit network.makeConnection();
    QTRY_VERIFY(log.count("Cannot connect without a host and a port") == 1);
    QTest::qWait(timeLimit(300));
    QCOMPARE(log.count("Try to connect to"), 0);
    QVERIFY(state.states.isEmpty());
}

void TestNetwork::connectionsAreCountedAtomically()
{
    Network network;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&network] {
            for (int i = 0; i < 10000; ++i)
                network.countConnection();
        });
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(network.amountConnected(), 40000);
    QSignalSpy changed(&network, &Common::Network::amountConnectedChanged);
    network.countConnection();
    QCOMPARE(changed.last().first().toLongLong(), 40001);
}

QTEST_MAIN(TestNetwork)
#include "tst_network.moc"
