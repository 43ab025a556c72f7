#include "daywatch.h"

namespace Client {

namespace {

// The longest wait; a longer day (a clock with daylight saving) is waited out in two.
constexpr qint64 DayMs = 24 * 60 * 60 * 1000;

} // namespace

DayWatch::DayWatch(Clock clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire minutes early on a day's interval; a precise one fires on time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DayWatch::recheck);
    recheck();
}

DayWatch::~DayWatch() = default;

void DayWatch::recheck()
{
    const QDateTime now = m_clock();
    const QDate date = now.isValid() ? now.date() : QDate();
    if (now.isValid()) {
        QDateTime midnight = now;
        midnight.setTime(QTime(0, 0));
        midnight = midnight.addDays(1);
        // Fired a moment early on the clock, it fires again once the day has ended.
        m_timer.start(int(qBound<qint64>(1, now.msecsTo(midnight), DayMs)));
    } else {
        m_timer.stop();
    }
    if (date == m_date)
        return;
    m_date = date;
    emit dateChanged(date);
}

} // namespace Client
