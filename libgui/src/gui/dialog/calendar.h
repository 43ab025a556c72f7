#pragma once

#include <QDate>
#include <QDialog>

namespace Gui {
class TodayCalendar;
}

namespace Gui::Dialog {

// The date picker that a date input opens below its day field: frameless, on top, reports every
// date the user moves to, accepts on activation and closes itself when another window is clicked.
class Calendar : public QDialog
{
    Q_OBJECT

public:
    Calendar();
    ~Calendar() override;

    // Called by the date inputs of the QML pages.
    Q_INVOKABLE void setSelectedDate(const QDate &date);
    TodayCalendar *calendar() const;

signals:
    // A script receives the date as a Date at UTC midnight of that day.
    void selectionChanged(QDate date);

protected:
    bool event(QEvent *event) override;

private:
    TodayCalendar *m_calendar;
};

} // namespace Gui::Dialog
