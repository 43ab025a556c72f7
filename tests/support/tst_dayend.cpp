// The day's end placed inside a run (KORIV_TEST_DAY_END_AFTER) and a step made on one day.
#include "dayend.h"
#include "oneday.h"

#include <QDateTime>
#include <QtTest>

class TestDayEnd : public QObject
{
    Q_OBJECT

private slots:
    void plannedEnd_data();
    void plannedEnd();
    void argumentsKeptOrWarned();
    void stepMadeOnOneDay();
};

void TestDayEnd::plannedEnd_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("seconds");
    const auto utc = [](int h, int m, int s, int ms) { return QDateTime(QDate(2026, 3, 31), QTime(h, m, s, ms), Qt::UTC); };
    QTest::newRow("west, the minute's start") << utc(20, 59, 40, 0) << 20;
    QTest::newRow("a second past the minute") << utc(20, 59, 41, 0) << 20;
    QTest::newRow("a millisecond short") << utc(20, 59, 39, 999) << 20;
    QTest::newRow("over a minute ahead") << utc(8, 15, 10, 500) << 75;
    QTest::newRow("at once") << utc(12, 0, 0, 0) << 0;
    QTest::newRow("UTC midnight") << utc(23, 59, 30, 0) << 30;
    QTest::newRow("the month's last day, east") << utc(0, 30, 5, 0) << 15;
}

void TestDayEnd::plannedEnd()
{
    QFETCH(QDateTime, now);
    QFETCH(int, seconds);
    const DayEnd::Plan plan = DayEnd::plan(now.toMSecsSinceEpoch(), seconds);
    // The stand-in starts now or within the minute after, and the day ends exactly then.
    QVERIFY(plan.startMs >= now.toMSecsSinceEpoch() && plan.startMs < now.toMSecsSinceEpoch() + 60000);
    QCOMPARE(plan.endMs - plan.startMs, seconds * 1000LL);
    QVERIFY(plan.offsetMinutes >= -720 && plan.offsetMinutes < 720);
    const QDateTime end = QDateTime::fromMSecsSinceEpoch(plan.endMs, Qt::OffsetFromUTC, plan.offsetMinutes * 60);
    QCOMPARE(end.time(), QTime(0, 0));
    QCOMPARE(end.addMSecs(-1).date(), end.date().addDays(-1));
}

void TestDayEnd::argumentsKeptOrWarned()
{
    const QStringList own{"--quiet", "--utc-offset", "330"};
    qputenv("KORIV_TEST_DAY_END_AFTER", "20");
    QCOMPARE(DayEnd::serverArguments(own), own);
    qunsetenv("KORIV_TEST_DAY_END_AFTER");
    QCOMPARE(DayEnd::serverArguments({"--quiet"}), QStringList{"--quiet"});
    qputenv("KORIV_TEST_DAY_END_AFTER", "soon");
    QTest::ignoreMessage(QtWarningMsg,
                         "KORIV_TEST_DAY_END_AFTER=soon is no number of seconds: the stand-in keeps its offset");
    QCOMPARE(DayEnd::serverArguments({"--quiet"}), QStringList{"--quiet"});
    qunsetenv("KORIV_TEST_DAY_END_AFTER");
}

void TestDayEnd::stepMadeOnOneDay()
{
    // A day that ends during the first run: the step runs again on the new day.
    QDate today(2026, 12, 31);
    QStringList runs;
    QDate ran = onOneDay([&] { return today; }, [&] {
        runs.append(today.toString(Qt::ISODate));
        if (runs.size() == 1)
            today = today.addDays(1);
    });
    QCOMPARE(ran, QDate(2027, 1, 1));
    QCOMPARE(runs, (QStringList{"2026-12-31", "2027-01-01"}));
    // On a day that lasts, once.
    runs.clear();
    ran = onOneDay([&] { return today; }, [&] { runs.append(today.toString(Qt::ISODate)); });
    QCOMPARE(ran, QDate(2027, 1, 1));
    QCOMPARE(runs.size(), 1);
}

QTEST_GUILESS_MAIN(TestDayEnd)

#include "tst_dayend.moc"
