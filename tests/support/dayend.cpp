#include "dayend.h"

#include <QDateTime>
#include <QDebug>
#include <QtTest>

namespace {

constexpr qint64 MinuteMs = 60 * 1000;
constexpr qint64 DayMinutes = 24 * 60;
// The stand-in's offset when its arguments give none (tools/standin-server/standin.py).
constexpr int StandinOffset = 180;
// How far the program's clock, set from the server's at the sign-in, may stand from the test's.
constexpr qint64 ClockSlackMs = 1000;

DayEnd::Plan lastPlan;
qint64 firstSeed = 0;
qint64 lastCheck = 0;

QString offsetText(int offsetMinutes)
{
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetMinutes < 0 ? '-' : '+')
        .arg(qAbs(offsetMinutes) / 60, 2, 10, QLatin1Char('0'))
        .arg(qAbs(offsetMinutes) % 60, 2, 10, QLatin1Char('0'));
}

QString periodText(qint64 startMs, qint64 endMs, int offsetMinutes)
{
    const auto at = [offsetMinutes](qint64 ms) {
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offsetMinutes * 60).toString("yyyy-MM-dd HH:mm");
    };
    return QStringLiteral("from %1 to %2").arg(at(startMs), at(endMs));
}

QString secondsText(qint64 ms)
{
    return QString::number(ms / 1000.0, 'f', 1) + QStringLiteral(" s");
}

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
    lastPlan = planned;
    return arguments + QStringList{QStringLiteral("--utc-offset"), QString::number(planned.offsetMinutes)};
}

DayEnd::Plan DayEnd::planned()
{
    return lastPlan;
}

int DayEnd::utcOffset(const QStringList &arguments)
{
    const int at = arguments.lastIndexOf(QStringLiteral("--utc-offset"));
    bool ok = false;
    const int offset = at >= 0 ? arguments.value(at + 1).toInt(&ok) : 0;
    return ok ? offset : StandinOffset;
}

QDate DayEnd::dateAt(qint64 utcMs, int offsetMinutes)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::OffsetFromUTC, offsetMinutes * 60).date();
}

qint64 DayEnd::dayStartMs(const QDate &date, int offsetMinutes)
{
    return QDateTime(date, QTime(0, 0), Qt::OffsetFromUTC, offsetMinutes * 60).toMSecsSinceEpoch();
}

QString DayEnd::periodFault(const QString &page, qint64 startMs, qint64 endMs, qint64 sinceMs, qint64 untilMs,
                            int offsetMinutes)
{
    // The days the operator had meanwhile: one, or two when a day ended.
    QStringList days;
    const QDate last = dateAt(untilMs + ClockSlackMs, offsetMinutes);
    for (QDate day = dateAt(sinceMs - ClockSlackMs, offsetMinutes); day <= last; day = day.addDays(1)) {
        const qint64 dayStart = dayStartMs(day, offsetMinutes);
        const qint64 dayEnd = dayStartMs(day.addDays(1), offsetMinutes);
        if (startMs == dayStart && endMs == dayEnd)
            return QString();
        days.append(periodText(dayStart, dayEnd, offsetMinutes));
    }
    return QStringLiteral("%1 shows the period %2 (%3), not the operator's day %4")
        .arg(page, periodText(startMs, endMs, offsetMinutes), offsetText(offsetMinutes),
             days.join(QStringLiteral(" or, as the day ended meanwhile, ")));
}

void DayEnd::noteSeed(qint64 ms)
{
    if (firstSeed == 0 || ms < firstSeed)
        firstSeed = ms;
}

void DayEnd::noteCheck(qint64 ms)
{
    lastCheck = qMax(lastCheck, ms);
}

void DayEnd::noteSeed()
{
    noteSeed(QDateTime::currentMSecsSinceEpoch());
}

void DayEnd::noteCheck()
{
    noteCheck(QDateTime::currentMSecsSinceEpoch());
}

void DayEnd::awaitPlannedEnd()
{
    const qint64 endMs = lastPlan.endMs;
    const qint64 ahead = endMs - QDateTime::currentMSecsSinceEpoch();
    if (endMs == 0 || ahead < 0)
        return;
    // A wait for the clock, not for the program: no time factor stretches it.
    if (!QTest::qWaitFor([endMs] { return QDateTime::currentMSecsSinceEpoch() >= endMs; }, int(ahead) + 1000))
        qWarning("the clock did not reach the planned end of the day");
    qInfo().noquote() << QStringLiteral("Waited %1 for the day's end").arg(secondsText(ahead));
}

QString DayEnd::straddle(qint64 endMs, qint64 firstSeedMs, qint64 lastCheckMs, bool *inside)
{
    *inside = firstSeedMs > 0 && lastCheckMs > 0 && firstSeedMs <= endMs && endMs <= lastCheckMs;
    const QString end = QDateTime::fromMSecsSinceEpoch(endMs, Qt::UTC).toString("HH:mm:ss");
    if (firstSeedMs <= 0 || lastCheckMs <= 0)
        return QStringLiteral("The day ended at %1 UTC in a run that noted no %2")
            .arg(end, firstSeedMs <= 0 ? QStringLiteral("seed of today's rows") : QStringLiteral("check of the date"));
    const auto relative = [endMs](qint64 ms, const char *what) {
        return ms <= endMs ? secondsText(endMs - ms) + QStringLiteral(" after ") + what
                           : secondsText(ms - endMs) + QStringLiteral(" before ") + what;
    };
    return QStringLiteral("The day ended at %1 UTC %2 and %3: %4")
        .arg(end, relative(firstSeedMs, "the first seed of today's rows"),
             relative(lastCheckMs, "the last check that depends on the date"),
             *inside ? QStringLiteral("between them") : QStringLiteral("outside them"));
}

QString DayEnd::straddleFault(qint64 endMs)
{
    bool inside = false;
    const QString said = straddle(endMs, firstSeed, lastCheck, &inside);
    qInfo().noquote() << said;
    return inside ? QString() : said;
}

QString DayEnd::straddleFault()
{
    return lastPlan.endMs == 0 ? QString() : straddleFault(lastPlan.endMs);
}
