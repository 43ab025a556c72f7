#pragma once

#include "common/core/utils/utils.h"

#include <QBasicTimer>
#include <QWidget>

#include <functional>

class QLabel;

namespace Gui {

class ClockTimeLabel;

// The clock at the end of the main tool bar: the time in the session's time zone in large
// figures, beside the weekday, the offset from UTC and the date, whose names are in the language
// of the program's texts. Runs every second.
class ClockWidget : public QWidget
{
    Q_OBJECT

public:
    // The present moment in milliseconds since the epoch.
    using Clock = std::function<qint64()>;

    explicit ClockWidget(QWidget *parent = nullptr);
    ~ClockWidget() override;

    void updateTime();
    // The system clock unless a test sets its own.
    void setClock(Clock clock);
    // The session's offset from UTC in minutes; the computer's own at the moment when the
    // session has none.
    static int offsetMinutes(qint64 msecs);

    QLabel *timeLabel() const;
    QLabel *weekdayLabel() const { return m_weekday; }
    QLabel *offsetLabel() const { return m_offset; }
    QLabel *dateLabel() const { return m_date; }

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    ClockTimeLabel *m_time;
    QLabel *m_weekday;
    QLabel *m_offset;
    QLabel *m_date;
    QBasicTimer m_timer;
    Clock m_clock;
    ::Utils m_utils;
};

} // namespace Gui
