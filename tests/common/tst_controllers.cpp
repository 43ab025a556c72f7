#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"
#include "common/net/messagedispatcher.h"
#include "common/net/netdto.h"

#include <QSet>
#include <QtTest>

#include <thread>
#include <vector>

namespace {

class NamedController : public Common::AbstractController
{
public:
    explicit NamedController(const QString &name = QStringLiteral("driver"))
        : m_name(name)
    {
    }
    QString name() const override { return m_name; }

private:
    QString m_name;
};

struct Route
{
    QString controller;
    QString method;
};

class RecordingDispatcher : public Common::MessageDispatcher
{
public:
    using Common::MessageDispatcher::dispatch;
    void dispatch(const QString &controller, const QString &method, const QVariantMap &) override
    {
        routes.append({controller, method});
    }
    void dispatch(const QJsonObject &message) override { json.append(message); }

    QList<Route> routes;
    QList<QJsonObject> json;
};

} // namespace

// Controller numbers, the two ways of sending, and routing of received messages.
class TestControllers : public QObject
{
    Q_OBJECT

private slots:
    void numbersAreSequentialAndUnique();
    void sendWithoutNetwork();
    void sendNetDto();
    void sendRequest();
    void routing_data();
    void routing();
    void jsonRouting();
};

void TestControllers::numbersAreSequentialAndUnique()
{
    NamedController first;
    NamedController second;
    QCOMPARE(second.number(), first.number() + 1);
    QCOMPARE(first.objectNumber(), QString::number(first.number()));

    // Controllers made on several threads at once never share a number. Joined standard threads:
    // ThreadSanitizer cannot see a QThread's end in QThread::wait().
    constexpr int threads = 4;
    constexpr int perThread = 5000;
    std::vector<QList<qint64>> numbers(threads);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&numbers, t] {
            for (int i = 0; i < perThread; ++i)
                numbers[t].append(NamedController().number());
        });
    }
    for (std::thread &w : workers)
        w.join();
    QSet<qint64> all;
    for (const auto &list : numbers)
        for (qint64 n : list)
            all.insert(n);
    QCOMPARE(all.size(), threads * perThread);
    NamedController after;
    QCOMPARE(after.number(), second.number() + 1 + threads * perThread);
}

void TestControllers::sendWithoutNetwork()
{
    Common::AbstractController::setNetwork(nullptr);
    NamedController controller("auth");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Network is not initialized. Request:"));
    controller.sendRequest("auth", {}, {});
    controller.sendNetDto("trGetList", {}); // dropped without a word
}

void TestControllers::sendNetDto()
{
    Common::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    NamedController controller("driver");
    QSignalSpy spy(&network, qOverload<NetDTO>(&Common::ApiNetwork::sendMessage));

    controller.sendNetDto("trGetList", {{"query_limit", 100}, {"pwd", "a/#b"}});

    QCOMPARE(spy.count(), 1);
    const NetDTO sent = spy.takeFirst().at(0).value<NetDTO>();
    QCOMPARE(sent.mapParams().value("FN").toString(), QString("driver_trGetList"));
    QCOMPARE(sent.mapParams().value("RECEIVER").toString(), controller.objectNumber());
    QCOMPARE(sent.jsonParams().value("RECEIVER"), QJsonValue(double(controller.number())));
    QCOMPARE(sent.mapParams().value("pwd").toString(), QString("a/#b"));
    QCOMPARE(sent.toString(), QString("#FN=driver_trGetList#RECEIVER=%1#pwd=a//#b#query_limit=100")
                                  .arg(controller.number()));
    Common::AbstractController::setNetwork(nullptr);
}

void TestControllers::sendRequest()
{
    Common::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    NamedController controller("auth");
    QSignalSpy spy(&network, qOverload<QJsonObject>(&Common::ApiNetwork::sendMessage));

    controller.sendRequest("auth", {}, {});
    controller.sendRequest("auth", {{"sign", "op"}}, {{"trace", 1}});

    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<QJsonObject>(),
             (QJsonObject{{"method", "auth.auth"}, {"id", controller.objectNumber()}}));
    QCOMPARE(spy.at(1).at(0).value<QJsonObject>(),
             (QJsonObject{{"method", "auth.auth"},
                          {"id", controller.objectNumber()},
                          {"params", QJsonObject{{"sign", "op"}}},
                          {"meta", QJsonObject{{"trace", 1}}}}));
    Common::AbstractController::setNetwork(nullptr);
}

void TestControllers::routing_data()
{
    QTest::addColumn<QVariantMap>("message");
    QTest::addColumn<QString>("controller"); // empty: rejected
    QTest::addColumn<QString>("method");

    QTest::newRow("a_b") << QVariantMap{{"FN", "a_b"}} << "a" << "b";
    QTest::newRow("a__b") << QVariantMap{{"FN", "a__b"}} << "a" << "b";
    QTest::newRow("_a_b_") << QVariantMap{{"FN", "_a_b_"}} << "a" << "b";
    QTest::newRow("a_b_c") << QVariantMap{{"FN", "a_b_c"}} << "" << "";
    QTest::newRow("no FN") << QVariantMap{{"x", "1"}} << "" << "";
    QTest::newRow("one piece") << QVariantMap{{"FN", "ab"}} << "" << "";
    QTest::newRow("controller wins") << QVariantMap{{"controller", "c"}, {"method", "m"}, {"FN", "a_b"}}
                                     << "c" << "m";
    QTest::newRow("controller without method") << QVariantMap{{"controller", "c"}} << "c" << "";
}

void TestControllers::routing()
{
    QFETCH(QVariantMap, message);
    QFETCH(QString, controller);
    QFETCH(QString, method);

    RecordingDispatcher dispatcher;
    if (controller.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error command format: "));
    dispatcher.onMessageReceived(message);
    if (controller.isEmpty()) {
        QVERIFY(dispatcher.routes.isEmpty());
        return;
    }
    QCOMPARE(dispatcher.routes.size(), 1);
    QCOMPARE(dispatcher.routes.at(0).controller, controller);
    QCOMPARE(dispatcher.routes.at(0).method, method);
}

void TestControllers::jsonRouting()
{
    RecordingDispatcher dispatcher;
    const QJsonObject message{{"controller", "auth"}, {"method", "auth"}, {"resCode", 10}};
    dispatcher.onMessageReceived(message);
    QCOMPARE(dispatcher.json, QList<QJsonObject>{message});
    QVERIFY(dispatcher.routes.isEmpty());
}

QTEST_GUILESS_MAIN(TestControllers)
#include "tst_controllers.moc"
