#pragma once

#include <QDate>
#include <QDialog>
#include <QPointer>

class QQuickItem;
class QQuickWindow;

namespace Gui {
class TodayCalendar;
}

namespace Gui::Dialog {

// The date picker that a date input opens below its day field: a popup that reports every date
// the user moves to, accepts on activation and closes unaccepted on Escape or a press outside it,
// whichever window the window system activates meanwhile; it goes silently with its date input.
class Calendar : public QDialog
{
    Q_OBJECT

public:
    Calendar();
    ~Calendar() override;

    Q_INVOKABLE void setSelectedDate(const QDate &date);
    // The date inputs of the QML pages give and take the day as its numbers (month 1-12): a QDate
    // reaches a script as a Date at UTC midnight and comes back as a Date's local day, and a
    // script's local midnight falls on the day before where daylight saving starts at midnight.
    Q_INVOKABLE void setSelectedDay(int year, int month, int day);
    TodayCalendar *calendar() const;
    // Closes the calendar without a signal, so that no handler of a page that is gone runs, once
    // the item is deleted or hidden, leaves its window, or its window is hidden.
    void closeWith(QQuickItem *item);

signals:
    // A script receives the date as a Date at UTC midnight of that day.
    void selectionChanged(QDate date);
    void selectedDayChanged(int year, int month, int day);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void closeIfItemGone();

    TodayCalendar *m_calendar;
    QPointer<QQuickItem> m_item;
    QPointer<QQuickWindow> m_itemWindow;
};

} // namespace Gui::Dialog
