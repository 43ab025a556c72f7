#include "qmlmessageguard.h"

#include <QtTest>

namespace {

// What reached the stand-in handlers below them.
QStringList reachedFirst;
QStringList reachedSecond;
bool runEnded = false;
QStringList afterItsEnd;

void firstHandler(QtMsgType, const QMessageLogContext &, const QString &text)
{
    reachedFirst.append(text);
}

void secondHandler(QtMsgType, const QMessageLogContext &, const QString &text)
{
    reachedSecond.append(text);
}

// A test run's handler: it passes nothing on, and must not be called once the run put back the
// handler it found.
void runHandler(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (runEnded)
        afterItsEnd.append(text);
}

QtMessageHandler handlerInPlace()
{
    const QtMessageHandler current = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(current);
    return current;
}

} // namespace

class TestQmlMessageGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void takesAndPassesOn();
    void guardsInAnyOrder();
    void afterTheRun();

private:
    QtMessageHandler m_testHandler = nullptr;
};

void TestQmlMessageGuard::init()
{
    reachedFirst.clear();
    reachedSecond.clear();
    afterItsEnd.clear();
    runEnded = false;
    m_testHandler = qInstallMessageHandler(&firstHandler);
}

void TestQmlMessageGuard::cleanup()
{
    qInstallMessageHandler(m_testHandler);
}

void TestQmlMessageGuard::takesAndPassesOn()
{
    QmlMessageGuard guard(false);
    qWarning("before");
    QVERIFY(guard.takeUnexpected().isEmpty());

    // Installed twice, the guard takes each message once and passes it on once.
    guard.install();
    guard.install();
    guard.expect("announced");
    qWarning("announced warning");
    qWarning("stray warning");
    qCritical("stray error");
    qDebug("chatter");
    qWarning("This plugin does not support raise()");
    QCOMPARE(guard.takeUnexpected(), QStringList({"stray warning", "stray error"}));
    QVERIFY(guard.takeMissing().isEmpty());
    QCOMPARE(reachedFirst, QStringList({"before", "announced warning", "stray warning", "stray error", "chatter",
                                        "This plugin does not support raise()"}));

    // What was expected and never came is told.
    guard.expect("never said");
    QCOMPARE(guard.takeMissing(), QStringList({"never said"}));
}

void TestQmlMessageGuard::guardsInAnyOrder()
{
    auto outer = std::make_unique<QmlMessageGuard>();
    auto inner = std::make_unique<QmlMessageGuard>();
    qWarning("to the inner one");
    QCOMPARE(inner->takeUnexpected(), QStringList({"to the inner one"}));
    QVERIFY(outer->takeUnexpected().isEmpty());

    // The guard installed first goes first: the other one goes on, and when it goes too, the
    // handler both stood on is back.
    outer.reset();
    qWarning("still the inner one");
    QCOMPARE(inner->takeUnexpected(), QStringList({"still the inner one"}));
    inner.reset();
    QVERIFY(handlerInPlace() == &firstHandler);

    // Installed again, a guard below takes its place in front.
    QmlMessageGuard first;
    QmlMessageGuard second;
    first.install();
    qWarning("to the first");
    QCOMPARE(first.takeUnexpected(), QStringList({"to the first"}));
    QVERIFY(second.takeUnexpected().isEmpty());

    // A handler installed over the guards stays when they go.
    qInstallMessageHandler(&secondHandler);
    {
        QmlMessageGuard third;
        qWarning("through the second handler");
        QCOMPARE(third.takeUnexpected(), QStringList({"through the second handler"}));
    }
    QVERIFY(handlerInPlace() == &secondHandler);
    QCOMPARE(reachedSecond, QStringList({"through the second handler"}));
    QCOMPARE(reachedFirst.count("to the first"), 1);
}

void TestQmlMessageGuard::afterTheRun()
{
    // A page test's guard: made before a run, installed within it, gone after it.
    auto guard = std::make_unique<QmlMessageGuard>(false);
    const QtMessageHandler beforeRun = qInstallMessageHandler(&runHandler);
    guard->install();
    qWarning("within the run");
    QCOMPARE(guard->takeUnexpected(), QStringList({"within the run"}));

    // The run puts back what it found; the guard sees nothing more and never calls the run's
    // handler again, nor puts it back when it goes.
    qInstallMessageHandler(beforeRun);
    runEnded = true;
    qWarning("after the run");
    QVERIFY(guard->takeUnexpected().isEmpty());
    {
        // What is said while the program closes after the run reaches a guard installed then.
        QmlMessageGuard late;
        qWarning("closing");
        guard.reset();
        qWarning("closed");
        QCOMPARE(late.takeUnexpected(), QStringList({"closing", "closed"}));
    }
    QVERIFY2(afterItsEnd.isEmpty(), qPrintable(afterItsEnd.join('\n')));
    QVERIFY(handlerInPlace() == &firstHandler);
    QCOMPARE(reachedFirst, QStringList({"after the run", "closing", "closed"}));
}

QTEST_GUILESS_MAIN(TestQmlMessageGuard)

#include "tst_qmlmessageguard.moc"
