#include "dayend.h"

#include <QDateTime>
#include <QDebug>
#include <QtTest>

namespace {

constexpr qint64 MinuteMs = 60 * 1000;
constexpr qint64 DayMinutes = 24 * 60;

} // namespace

DayEnd::Plan DayEnd::plan(qint64 nowMs, int seconds)
{
    const qint64 after = qint64(seconds) * 1000;
    // The first whole minute at least that long after now.
    const qint64 endMs = (nowMs + after + MinuteMs - 1) / MinuteMs * MinuteMs;
    // Midnight at the offset: the minutes since the epoch plus the offset make whole days.
    const qint64 minutes = endMs / MinuteMs;
    const int offset = int(((-minutes % DayMinutes + DayMinutes) % DayMinutes + DayMinutes / 2) % DayMinutes
                           - DayMinutes / 2);
    return {endMs - after, endMs, offset};
}

QStringList DayEnd::serverArguments(const QStringList &arguments)
{
    const QByteArray value = qgetenv("KORIV_TEST_DAY_END_AFTER");
    if (value.isEmpty() || arguments.contains(QStringLiteral("--utc-offset")))
        return arguments;
    bool ok = false;
    const int seconds = value.toInt(&ok);
    if (!ok || seconds < 0) {
        qWarning().noquote() << "KORIV_TEST_DAY_END_AFTER=" + QString::fromLocal8Bit(value)
                                    + " is no number of seconds: the stand-in keeps its offset";
        return arguments;
    }
    const Plan planned = plan(QDateTime::currentMSecsSinceEpoch(), seconds);
    // A wait for the clock, not for the program: no time factor stretches it.
    if (!QTest::qWaitFor([&] { return QDateTime::currentMSecsSinceEpoch() >= planned.startMs; },
                         int(planned.startMs - QDateTime::currentMSecsSinceEpoch()) + 1000))
        qWarning("the clock did not reach the planned start of the stand-in");
    qInfo().noquote() << QStringLiteral("The user's day ends at %1 UTC, %2 s after the stand-in starts (--utc-offset %3)")
                             .arg(QDateTime::fromMSecsSinceEpoch(planned.endMs, Qt::UTC).toString("HH:mm:ss"))
                             .arg(seconds)
                             .arg(planned.offsetMinutes);
    return arguments + QStringList{QStringLiteral("--utc-offset"), QString::number(planned.offsetMinutes)};
}
