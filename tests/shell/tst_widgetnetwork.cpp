#include "gui/controller/network.h"
#include "gui/tablemodel/originalmodel.h"
#include "delivery.h"
#include "messagecatcher.h"
#include "rowscontroller.h"
#include "sentmessages.h"
#include "testcontroller.h"
#include "timelimit.h"

#include <QAbstractItemModelTester>
#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <memory>

// The widget-side controllers on the shell's network: who receives which answer, the handlers,
// the requests they send, and controllers coming and going while messages arrive.
class TestWidgetNetwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void receivers_data();
    void receivers();
    void qmlSideFirst();
    void unknownAction();
    void pushes();
    void destroyedBeforeDelivery();
    void requests();
    void dispatchFromAnotherThread();

private:
    // Dispatches and lets every hand-over and handler run.
    void dispatch(const QString &name, const QString &action, const QVariantMap &params);

    std::unique_ptr<Gui::Network> m_net;
};

void TestWidgetNetwork::initTestCase()
{
    m_net = std::make_unique<Gui::Network>();
    Common::AbstractController::setNetwork(m_net.get());
    Gui::Controller::AbstractController::setNetwork(m_net.get());
}

void TestWidgetNetwork::dispatch(const QString &name, const QString &action, const QVariantMap &params)
{
    deliverMessage(m_net.get(), name, action, params);
}

void TestWidgetNetwork::receivers_data()
{
    QTest::addColumn<QString>("receiver");
    QTest::addColumn<QList<bool>>("reached");
    // Three controllers named "rows" (0, 1, 2) and one named "other".
    QTest::newRow("own G number") << "G#1" << QList<bool>{false, true, false, false};
    QTest::newRow("ALL") << "ALL" << QList<bool>{true, true, true, false};
    QTest::newRow("empty") << "" << QList<bool>{true, true, true, false};
    QTest::newRow("a QML-side number") << "#1" << QList<bool>{false, false, false, false};
    QTest::newRow("another G number") << "G999999" << QList<bool>{false, false, false, false};
    QTest::newRow("lower-case g") << "g#1" << QList<bool>{false, false, false, false};
}

void TestWidgetNetwork::receivers()
{
    QFETCH(QString, receiver);
    QFETCH(QList<bool>, reached);
    RowsController a("rows"), b("rows"), c("rows"), other("other");
    const QList<RowsController *> controllers{&a, &b, &c, &other};
    for (RowsController *controller : controllers)
        controller->handle("saInfo");
    dispatch("rows", "saInfo", {{"RECEIVER", QString(receiver).replace("#1", QString::number(b.id()))}, {"id", "5"}});
    for (int i = 0; i < controllers.size(); ++i)
        QCOMPARE(controllers.at(i)->handled.size(), reached.at(i) ? 1 : 0);
    if (reached.at(1))
        QCOMPARE(b.handled.first().second.value("id").toString(), QString("5"));
}

void TestWidgetNetwork::qmlSideFirst()
{
    QStringList order;
    TestController qmlSide("rows");
    RowsController widgetSide("rows");
    connect(&qmlSide, qOverload<QString, QVariantMap>(&TestController::messageReceived), this,
            [&order] { order << "qml"; });
    connect(&widgetSide, &RowsController::saGetList, this, [&order] { order << "widget"; });
    dispatch("rows", "saGetList", {{"STATE", "end"}, {"RECEIVER", "ALL"}});
    QCOMPARE(order, (QStringList{"qml", "widget"}));
}

void TestWidgetNetwork::unknownAction()
{
    RowsController controller("rows");
    MessageCatcher catcher;
    dispatch("rows", "saArchive", {{"RES", "10"}, {"id", "3"}, {"RECEIVER", "ALL"}});
    QCOMPARE(catcher.count("Unknown action 'saArchive' for controller 'rows'"), 1);
    dispatch("rows", "saArchive", {{"RECEIVER", controller.receiver()}});
    QCOMPARE(catcher.count("Unknown action 'saArchive' for controller 'rows'"), 2);
    // Answers to other controllers of the name pass in silence.
    dispatch("rows", "saArchive", {{"RECEIVER", "G999999"}});
    dispatch("rows", "saLock", {{"RECEIVER", "12"}});
    QCOMPARE(catcher.count("Unknown action"), 2);
    QCOMPARE(controller.originalModel()->rowCount(), 0);
}

void TestWidgetNetwork::pushes()
{
    SentMessages sent(m_net.get());
    MessageCatcher catcher;
    RowsController idle("rows");
    RowsController loaded("rows");
    loaded.trGetList({{"is_archived", 0}});
    const QVariantMap listRequest{{"is_archived", 0}, {"FN", "rows_trGetList"}, {"RECEIVER", loaded.receiver()}};
    QCOMPARE(sent.maps(), QList<QVariantMap>{listRequest});
    // Pushes about records of the name: a loaded table asks for its list again, the rest stay
    // quiet.
    dispatch("rows", "srInserted", {{"id", "4"}, {"RECEIVER", "ALL"}});
    dispatch("rows", "srUpdated", {{"id", "4"}, {"RECEIVER", "ALL"}});
    dispatch("rows", "srArchived", {{"id", "4"}, {"RECEIVER", "ALL"}});
    QCOMPARE(sent.maps(), (QList<QVariantMap>{listRequest, listRequest, listRequest}));
    QCOMPARE(catcher.count("Unknown action"), 0);
    QCOMPARE(idle.originalModel()->rowCount(), 0);
}

void TestWidgetNetwork::destroyedBeforeDelivery()
{
    auto *gone = new RowsController("rows");
    RowsController kept("rows");
    QSignalSpy rows(&kept, &RowsController::saListInfo);
    m_net->dispatchMessage("rows", "saListInfo", {{"id", "1"}, {"RECEIVER", "ALL"}});
    QCoreApplication::processEvents();
    // Handed over but not yet handled: the controller goes now.
    delete gone;
    m_net->dispatchMessage("rows", "saListInfo", {{"id", "2"}, {"RECEIVER", "ALL"}});
    QTRY_COMPARE(rows.count(), 2);
    QCOMPARE(kept.originalModel()->rowCount(), 2);
}

void TestWidgetNetwork::requests()
{
    SentMessages sent(m_net.get());
    RowsController controller("company");
    controller.trGetList({{"is_archived", 0}});
    controller.send("trRemove", {{"id", "8"}});
    const QString receiver = "G" + QString::number(controller.id());
    QCOMPARE(controller.receiver(), receiver);
    QCOMPARE(sent.maps(), (QList<QVariantMap>{
                              {{"is_archived", 0}, {"FN", "company_trGetList"}, {"RECEIVER", receiver}},
                              {{"id", "8"}, {"FN", "company_trRemove"}, {"RECEIVER", receiver}}}));
    RowsController next("company");
    QCOMPARE(next.id(), controller.id() + 1);
}

void TestWidgetNetwork::dispatchFromAnotherThread()
{
    // The network thread hands messages over in batches while controllers come and go in this
    // thread. Each side waits for the other, whichever event loop runs: a controller is made
    // before its batch starts, sees the first half of it arrive while that half is still being
    // handed over, and is deleted while the second half is.
    constexpr int controllers = 200;
    constexpr int batch = 100;
    QSemaphore batchStarts, halfSent, secondHalf;
    std::unique_ptr<QThread> sender(QThread::create([&] {
        for (int i = 0; i < controllers * batch; ++i) {
            if (i % batch == 0)
                batchStarts.acquire();
            if (i % batch == batch / 2) {
                halfSent.release();
                secondHalf.acquire();
            }
            m_net->dispatchMessage("busy", "saListInfo", {{"id", QString::number(i % 50)}, {"RECEIVER", "ALL"}});
        }
    }));
    // A failed check leaves the sender nothing to wait for.
    const auto finish = qScopeGuard([&] {
        batchStarts.release(controllers);
        secondHalf.release(controllers);
        sender->wait();
    });
    // The model tester walks every cell on each change: too slow for thousands of deliveries.
    const auto untested = [](RowsController *controller) {
        qDeleteAll(controller->findChildren<QAbstractItemModelTester *>());
        return controller;
    };
    RowsController steady("busy");
    untested(&steady);
    sender->start();
    int sawMessages = 0;
    // Messages that never come stop the waiting, not the test.
    const QDeadlineTimer deadline(timeLimit(20000));
    for (int i = 0; i < controllers; ++i) {
        RowsController *transient = untested(new RowsController("busy"));
        batchStarts.release();
        while (transient->originalModel()->rowCount() == 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (transient->originalModel()->rowCount() > 0)
            ++sawMessages;
        QVERIFY(halfSent.tryAcquire(1, timeLimit(10000)));
        secondHalf.release();
        delete transient;
    }
    QVERIFY(sender->wait(timeLimit(10000)));
    qInfo("%d of %d controllers saw messages arrive while they existed", sawMessages, controllers);
    QVERIFY2(sawMessages >= controllers * 9 / 10, qPrintable(QString::number(sawMessages)));
    QTRY_COMPARE(steady.originalModel()->rowCount(), 50);
}

QTEST_MAIN(TestWidgetNetwork)
#include "tst_widgetnetwork.moc"
