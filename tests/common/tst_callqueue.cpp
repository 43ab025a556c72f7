#include "common/core/callqueue.h"
#include "timelimit.h"

#include <QScopeGuard>
#include <QThread>
#include <QVector>
#include <QtTest>

#include <memory>
#include <numeric>
#include <thread>
#include <vector>

// Reads the type of every event, as the program's application-wide filters do, before the
// receiver sees it.
class TypeReader : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() >= QEvent::User)
            ++userEvents;
        return false;
    }
    int userEvents = 0;
};

// Calls posted to a queue: where and in which order they run, what they carry from the thread
// that posted them, and what becomes of those still queued when the queue goes.
class TestCallQueue : public QObject
{
    Q_OBJECT

private slots:
    void fromOtherThreads();
    void laterOrNever();
};

void TestCallQueue::fromOtherThreads()
{
    // Threads post calls that carry data they have just built; the calls read it in this thread
    // before the threads are joined, so that only the queue orders the reads after the writes:
    // under ThreadSanitizer an unmarked hand-over is a reported race. An application-wide filter
    // reads each call's event first.
    constexpr int threads = 2;
    constexpr int perThread = 2000;
    TypeReader reader;
    QCoreApplication::instance()->installEventFilter(&reader);
    Common::CallQueue queue;
    QVector<int> seen[threads];
    int elsewhere = 0;
    int damaged = 0;
    std::vector<std::thread> posters;
    for (int t = 0; t < threads; ++t) {
        posters.emplace_back([&, t] {
            for (int i = 0; i < perThread; ++i) {
                const std::vector<int> data(16, i);
                queue.post([&, t, data] {
                    if (QThread::currentThread() != queue.thread())
                        ++elsewhere;
                    if (data != std::vector<int>(16, data.front()))
                        ++damaged;
                    seen[t].append(data.front());
                });
            }
        });
    }
    const auto join = qScopeGuard([&posters] {
        for (std::thread &poster : posters)
            poster.join();
    });
    QTRY_COMPARE_WITH_TIMEOUT(seen[0].size() + seen[1].size(), threads * perThread, timeLimit(20000));
    QCOMPARE(reader.userEvents, threads * perThread);
    QCOMPARE(elsewhere, 0);
    QCOMPARE(damaged, 0);
    // Each thread's calls ran in the order it posted them.
    QVector<int> posted(perThread);
    std::iota(posted.begin(), posted.end(), 0);
    for (const QVector<int> &calls : seen)
        QCOMPARE(calls, posted);
}

void TestCallQueue::laterOrNever()
{
    // Posted in the queue's own thread, a call waits for its event to be sent.
    auto queue = std::make_unique<Common::CallQueue>();
    int ran = 0;
    queue->post([&ran] { ++ran; });
    QCOMPARE(ran, 0);
    QCoreApplication::sendPostedEvents(nullptr, Common::CallQueue::eventType());
    QCOMPARE(ran, 1);
    // One still queued when the queue goes is destroyed with what it holds and never runs.
    auto held = std::make_shared<int>(0);
    const std::weak_ptr<int> watch = held;
    queue->post([&ran, held] { ran += *held + 1; });
    held.reset();
    QVERIFY(!watch.expired());
    queue.reset();
    QVERIFY(watch.expired());
    QCoreApplication::processEvents();
    QCOMPARE(ran, 1);
}

QTEST_GUILESS_MAIN(TestCallQueue)
#include "tst_callqueue.moc"
