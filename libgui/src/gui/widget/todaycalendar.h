#pragma once

#include <QCalendarWidget>

class QPushButton;

namespace Gui {

// A calendar with a grid, no week numbers and a "Today" button under the month.
class TodayCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit TodayCalendar(QWidget *parent = nullptr);
    ~TodayCalendar() override;

    QSize minimumSizeHint() const override;
    QPushButton *todayButton() const;

private:
    QPushButton *m_today;
};

} // namespace Gui
