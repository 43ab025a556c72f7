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
    void failedRunSaid();
    void operatorsDay_data();
    void operatorsDay();
    void periodFaultNamesBoth();
    void straddleOfTheEnd();
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

void TestDayEnd::failedRunSaid()
{
    // The first run's failure, on the day that ended, is said; the second run's is the result.
    QDate today(2026, 12, 31);
    int runs = 0;
    QString failure = "untouched";
    QTest::ignoreMessage(QtInfoMsg, "The day ended while a step ran on 2026-12-31 (it failed: yesterday shown): it runs again");
    QDate ran = onOneDay([&] { return today; }, [&] {
        if (++runs > 1)
            return QString();
        today = today.addDays(1);
        return QString("yesterday shown");
    }, &failure);
    QCOMPARE(ran, QDate(2027, 1, 1));
    QCOMPARE(runs, 2);
    QCOMPARE(failure, QString());
    // A run that had not failed says so; a failure on a day that lasts is the result, unsaid.
    QTest::ignoreMessage(QtInfoMsg, "The day ended while a step ran on 2027-01-01 (it had not failed): it runs again");
    onOneDay([&] { return today; }, [&] {
        if (today == QDate(2027, 1, 1))
            today = today.addDays(1);
    });
    ran = onOneDay([&] { return today; }, [&] { return QString("no list"); }, &failure);
    QCOMPARE(ran, QDate(2027, 1, 2));
    QCOMPARE(failure, QString("no list"));
    // A day that never lasts: three runs, the last one's failure.
    runs = 0;
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^The day ended while a step ran on 2027-01-0[23] \\(it failed: run [12]\\)"));
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("^The day ended while a step ran on 2027-01-0[23] \\(it failed: run [12]\\)"));
    onOneDay([&] { return today; }, [&] {
        today = today.addDays(1);
        return "run " + QString::number(++runs);
    }, &failure);
    QCOMPARE(runs, 3);
    QCOMPARE(failure, QString("run 3"));
}

void TestDayEnd::operatorsDay_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDateTime>("since");
    QTest::addColumn<QDateTime>("until");
    QTest::addColumn<bool>("taken");
    const auto utc = [](int day, int h, int m, int s, int ms = 0) {
        return QDateTime(QDate(2026, 12, day), QTime(h, m, s, ms), Qt::UTC);
    };
    // At UTC+3 the 11th is 10th 21:00 to 11th 21:00 UTC.
    QTest::newRow("the day") << 180 << QDate(2026, 12, 11) << utc(11, 7, 0, 0) << utc(11, 7, 0, 5) << true;
    QTest::newRow("yesterday") << 180 << QDate(2026, 12, 10) << utc(11, 7, 0, 0) << utc(11, 7, 0, 5) << false;
    QTest::newRow("tomorrow") << 180 << QDate(2026, 12, 12) << utc(11, 7, 0, 0) << utc(11, 7, 0, 5) << false;
    QTest::newRow("the UTC date, west of it") << -300 << QDate(2026, 12, 11) << utc(11, 2, 0, 0) << utc(11, 2, 0, 5)
                                              << false;
    QTest::newRow("west of UTC") << -300 << QDate(2026, 12, 10) << utc(11, 2, 0, 0) << utc(11, 2, 0, 5) << true;
    // A day that ended while the page opened: either.
    QTest::newRow("ended meanwhile, old") << 180 << QDate(2026, 12, 11) << utc(11, 20, 59, 58) << utc(11, 21, 0, 3)
                                          << true;
    QTest::newRow("ended meanwhile, new") << 180 << QDate(2026, 12, 12) << utc(11, 20, 59, 58) << utc(11, 21, 0, 3)
                                          << true;
    QTest::newRow("ended before it opened") << 180 << QDate(2026, 12, 11) << utc(11, 21, 0, 3) << utc(11, 21, 0, 9)
                                            << false;
    // The program's clock a little ahead or behind the test's.
    QTest::newRow("a moment short of the end") << 180 << QDate(2026, 12, 12) << utc(11, 20, 59, 50)
                                               << utc(11, 20, 59, 59, 500) << true;
    QTest::newRow("seconds short of the end") << 180 << QDate(2026, 12, 12) << utc(11, 20, 59, 50)
                                              << utc(11, 20, 59, 57) << false;
    QTest::newRow("a moment past the end") << 180 << QDate(2026, 12, 11) << utc(11, 21, 0, 0, 500)
                                           << utc(11, 21, 0, 5) << true;
}

void TestDayEnd::operatorsDay()
{
    QFETCH(int, offset);
    QFETCH(QDate, shown);
    QFETCH(QDateTime, since);
    QFETCH(QDateTime, until);
    QFETCH(bool, taken);
    // The period a page shows: that date's midnight to the next at the offset.
    const qint64 start = QDateTime(shown, QTime(0, 0), Qt::OffsetFromUTC, offset * 60).toMSecsSinceEpoch();
    const qint64 end = QDateTime(shown.addDays(1), QTime(0, 0), Qt::OffsetFromUTC, offset * 60).toMSecsSinceEpoch();
    const QString fault = DayEnd::periodFault("page", start, end, since.toMSecsSinceEpoch(), until.toMSecsSinceEpoch(),
                                              offset);
    QVERIFY2(fault.isEmpty() == taken, qPrintable(fault));
    // A day's part is no day.
    QVERIFY(!DayEnd::periodFault("page", start + 60000, end, since.toMSecsSinceEpoch(), until.toMSecsSinceEpoch(),
                                 offset).isEmpty());
    QVERIFY(!DayEnd::periodFault("page", start, end - 60000, since.toMSecsSinceEpoch(), until.toMSecsSinceEpoch(),
                                 offset).isEmpty());
}

void TestDayEnd::periodFaultNamesBoth()
{
    const qint64 tenth = QDateTime(QDate(2026, 12, 9), QTime(21, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 day = 86400000;
    const qint64 morning = QDateTime(QDate(2026, 12, 11), QTime(7, 0), Qt::UTC).toMSecsSinceEpoch();
    QCOMPARE(DayEnd::periodFault("PaymentSystemLogTable.qml", tenth, tenth + day, morning, morning + 100, 180),
             QString("PaymentSystemLogTable.qml shows the period from 2026-12-10 00:00 to 2026-12-11 00:00 (UTC+03:00),"
                     " not the operator's day from 2026-12-11 00:00 to 2026-12-12 00:00"));
    const qint64 evening = tenth + 2 * day - 2000;
    QCOMPARE(DayEnd::periodFault("page", tenth, tenth + day, evening, evening + 4000, -90),
             QString("page shows the period from 2026-12-09 19:30 to 2026-12-10 19:30 (UTC-01:30), not the operator's"
                     " day from 2026-12-11 00:00 to 2026-12-12 00:00"));
    QCOMPARE(DayEnd::periodFault("page", tenth, tenth + day, evening, evening + 4000, 180),
             QString("page shows the period from 2026-12-10 00:00 to 2026-12-11 00:00 (UTC+03:00), not the operator's"
                     " day from 2026-12-11 00:00 to 2026-12-12 00:00 or, as the day ended meanwhile, from 2026-12-12"
                     " 00:00 to 2026-12-13 00:00"));
    // The offset the stand-in is given, else its own.
    QCOMPARE(DayEnd::utcOffset({"--database", "--utc-offset", "-438"}), -438);
    QCOMPARE(DayEnd::utcOffset({"--database", "--user", "admin:x"}), 180);
    QCOMPARE(DayEnd::utcOffset({"--utc-offset", "330", "--utc-offset", "0"}), 0);
}

void TestDayEnd::straddleOfTheEnd()
{
    const qint64 end = QDateTime(QDate(2026, 12, 11), QTime(7, 18), Qt::UTC).toMSecsSinceEpoch();
    bool inside = false;
    QCOMPARE(DayEnd::straddle(end, end - 3200, end + 4100, &inside),
             QString("The day ended at 07:18:00 UTC 3.2 s after the first seed of today's rows and 4.1 s before the"
                     " last check that depends on the date: between them"));
    QVERIFY(inside);
    QCOMPARE(DayEnd::straddle(end, end + 1500, end + 4100, &inside),
             QString("The day ended at 07:18:00 UTC 1.5 s before the first seed of today's rows and 4.1 s before the"
                     " last check that depends on the date: outside them"));
    QVERIFY(!inside);
    QCOMPARE(DayEnd::straddle(end, end - 9000, end - 2000, &inside),
             QString("The day ended at 07:18:00 UTC 9.0 s after the first seed of today's rows and 2.0 s after the"
                     " last check that depends on the date: outside them"));
    QVERIFY(!inside);
    QCOMPARE(DayEnd::straddle(end, 0, end + 10, &inside),
             QString("The day ended at 07:18:00 UTC in a run that noted no seed of today's rows"));
    QVERIFY(!inside);
    QCOMPARE(DayEnd::straddle(end, end - 10, 0, &inside),
             QString("The day ended at 07:18:00 UTC in a run that noted no check of the date"));
    QVERIFY(!inside);
    // The run's notes: the first seed and the last check count. Without a plan, nothing to fault.
    QCOMPARE(DayEnd::planned().endMs, 0);
    QCOMPARE(DayEnd::straddleFault(), QString());
    DayEnd::noteSeed(end - 300);
    DayEnd::noteSeed(end - 500);
    DayEnd::noteSeed(end - 400);
    DayEnd::noteCheck(end + 200);
    DayEnd::noteCheck(end + 700);
    DayEnd::noteCheck(end + 600);
    QTest::ignoreMessage(QtInfoMsg, "The day ended at 07:18:00 UTC 0.5 s after the first seed of today's rows and 0.7 s"
                                    " before the last check that depends on the date: between them");
    QCOMPARE(DayEnd::straddleFault(end), QString());
    const QString late("The day ended at 07:18:01 UTC 1.5 s after the first seed of today's rows and 0.3 s after the"
                       " last check that depends on the date: outside them");
    QTest::ignoreMessage(QtInfoMsg, qPrintable(late));
    QCOMPARE(DayEnd::straddleFault(end + 1000), late);
}

QTEST_GUILESS_MAIN(TestDayEnd)

#include "tst_dayend.moc"
