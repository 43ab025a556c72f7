#pragma once

#include <QStringList>
#include <QtGlobal>

// The operator's day made to end inside a test run: with KORIV_TEST_DAY_END_AFTER=seconds the
// stand-in gets the user's offset from UTC (--utc-offset, in minutes) at which the day ends that
// many seconds after it starts. An offset is a whole number of minutes, so a day ends on a whole
// UTC minute: the start waits (a minute at most) for the second that puts the end there.
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

} // namespace DayEnd
