#pragma once

#include <QDate>
#include <QStringList>
#include <QtGlobal>

// The operator's day made to end inside a test run: with KORIV_TEST_DAY_END_AFTER=seconds the
// stand-in gets the user's offset from UTC (--utc-offset, in minutes) at which the day ends that
// many seconds after it starts. An offset is a whole number of minutes, so a day ends on a whole
// UTC minute: the start waits (a minute at most) for the second that puts the end there. The
// operator's day as a test reckons it on its own clock, and where the planned end fell in the run.
namespace DayEnd {

struct Plan
{
    // When the stand-in starts and when the user's day ends, in UTC milliseconds.
    qint64 startMs = 0;
    qint64 endMs = 0;
    // The offset, -720..+719 minutes, whose midnight falls on endMs.
    int offsetMinutes = 0;
};

// The plan for a start at nowMs or, where that puts the end between two minutes, a few
// seconds later.
Plan plan(qint64 nowMs, int seconds);

// The stand-in's arguments: with the planned --utc-offset added where KORIV_TEST_DAY_END_AFTER
// names a number of seconds and the arguments give no offset of their own, once its start is
// due; as they are otherwise. A value that is no number of seconds is warned about and ignored.
QStringList serverArguments(const QStringList &arguments);

// The plan serverArguments() made last in this process; endMs is 0 while it made none.
Plan planned();

// The user's offset from UTC in minutes that the stand-in's arguments give, else the stand-in's
// own default (UTC+3).
int utcOffset(const QStringList &arguments);

// The operator's date at a UTC moment, and the UTC moment at which a date begins, at the offset.
QDate dateAt(qint64 utcMs, int offsetMinutes);
qint64 dayStartMs(const QDate &date, int offsetMinutes);

// Empty when [startMs, endMs) is the operator's day at some moment from sinceMs to untilMs on the
// test's clock, give or take the second by which the program's clock, kept in step with the
// server's, may stand apart from it; otherwise a text naming the page and both periods.
QString periodFault(const QString &page, qint64 startMs, qint64 endMs, qint64 sinceMs, qint64 untilMs,
                    int offsetMinutes);

// A run's first seed of rows dated today and its last check that depends on the date, on the
// test's clock: the planned end must fall between them. The first seed and the last check count.
void noteSeed(qint64 ms);
void noteCheck(qint64 ms);
void noteSeed();
void noteCheck();
// With an end planned and still ahead: waits (processing events) until the clock has passed it,
// and says how long. A run's last step that seeds rows of today's calls it after that seed, so
// that the day ends before the check that follows however fast the run went; a slow run finds
// the day ended already, wherever it ended.
void awaitPlannedEnd();
// Where an end fell against a first seed and a last check (0: none noted), in seconds, as a line
// for the log; inside: whether it fell between them.
QString straddle(qint64 endMs, qint64 firstSeedMs, qint64 lastCheckMs, bool *inside);
// Where an end at endMs fell against the notes, said (qInfo), and a fault when it fell outside
// them or nothing was noted; empty when it fell inside.
QString straddleFault(qint64 endMs);
// At a run's end: straddleFault() of the planned end; empty without a plan.
QString straddleFault();

} // namespace DayEnd
