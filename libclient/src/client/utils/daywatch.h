#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

namespace Client {

// The date on a clock, told anew when it changes: one timer for everything drawn relative to
// today ("hh:mm" today, "yesterday, hh:mm"), armed for the clock's next midnight and again each
// time it fires. A clock set anew (another offset, the server's time at a new session) needs a
// recheck(). A clock that gives no valid time has no date and arms nothing. Costs one timer.
class DayWatch : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit DayWatch(Clock clock, QObject *parent = nullptr);
    ~DayWatch() override;

    QDate date() const { return m_date; }
    // Reads the clock: dateChanged() when its date is another than before; the timer armed for
    // its next midnight.
    void recheck();

signals:
    void dateChanged(const QDate &date);

private:
    Clock m_clock;
    QDate m_date;
    QTimer m_timer;
};

} // namespace Client
