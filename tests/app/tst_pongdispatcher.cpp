// The application's dispatcher stops the pong time-out for the pong and for nothing else.
#include "client/net/apinetwork.h"
#include "common/net/abstractcontroller.h"
#include "messagedispatcher.h"

#include <QJsonObject>
#include <QtTest>

class TestPongDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void pong_data();
    void pong();
};

void TestPongDispatcher::pong_data()
{
    QTest::addColumn<QVariantMap>("message");
    QTest::addColumn<bool>("json");
    QTest::addColumn<bool>("stops");
    QTest::newRow("pong") << QVariantMap{{"FN", "userSession_saPing"}, {"RES", "10"}} << false << true;
    QTest::newRow("pong by controller and method") << QVariantMap{{"controller", "userSession"}, {"method", "saPing"}}
                                                   << false << true;
    QTest::newRow("other letter case") << QVariantMap{{"FN", "usersession_saping"}} << false << false;
    QTest::newRow("other controller") << QVariantMap{{"FN", "driverSession_saPing"}} << false << false;
    QTest::newRow("other answer") << QVariantMap{{"FN", "userSession_saOpen"}} << false << false;
    QTest::newRow("malformed name") << QVariantMap{{"FN", "userSession_saPing_x"}} << false << false;
    QTest::newRow("pong as JSON") << QVariantMap{{"controller", "userSession"}, {"method", "saPing"}} << true << false;
}

void TestPongDispatcher::pong()
{
    QFETCH(QVariantMap, message);
    QFETCH(bool, json);
    QFETCH(bool, stops);
    Client::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    QSignalSpy stopped(&network, &Common::Network::stopgPongTimer);
    MessageDispatcher dispatcher;
    if (message.value("FN").toString().count('_') > 1)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Error command format"));
    if (json)
        dispatcher.onMessageReceived(QJsonObject::fromVariantMap(message));
    else
        dispatcher.onMessageReceived(message);
    QCOMPARE(stopped.count(), stops ? 1 : 0);
    Common::AbstractController::setNetwork(nullptr);
}

QTEST_MAIN(TestPongDispatcher)
#include "tst_pongdispatcher.moc"
