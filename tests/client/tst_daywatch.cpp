// The day watch on a clock of the test's: the date it reads, one change told when the clock
// passes midnight, a clock set anew told on recheck(), and no date for a clock without a time.
#include "client/utils/daywatch.h"

#include "timelimit.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using Client::DayWatch;

class TestDayWatch : public QObject
{
    Q_OBJECT

private slots:
    void followsTheClock();
};

void TestDayWatch::followsTheClock()
{
    // A clock at UTC+05:30 that runs from a second before a midnight there.
    const QDate last(2024, 2, 29);
    QDateTime base = QDateTime(last.addDays(1), QTime(0, 0), Qt::OffsetFromUTC, 330 * 60).addMSecs(-timeLimit(1000));
    QElapsedTimer running;
    running.start();
    bool valid = true;
    DayWatch watch([&] { return valid ? base.addMSecs(running.elapsed()) : QDateTime(); });
    QSignalSpy changes(&watch, &DayWatch::dateChanged);
    QCOMPARE(watch.date(), last);

    QVERIFY(changes.wait(timeLimit(5000)));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().first().toDate(), QDate(2024, 3, 1));
    QCOMPARE(watch.date(), QDate(2024, 3, 1));

    // Set anew: told only when the date is another.
    base = base.addSecs(3600);
    watch.recheck();
    QCOMPARE(changes.count(), 1);
    base = base.addDays(-2);
    watch.recheck();
    QCOMPARE(changes.count(), 2);
    QCOMPARE(watch.date(), last.addDays(-1));
    valid = false;
    watch.recheck();
    QCOMPARE(changes.count(), 3);
    QVERIFY(watch.date().isNull());
}

QTEST_GUILESS_MAIN(TestDayWatch)
#include "tst_daywatch.moc"
