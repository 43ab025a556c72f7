#pragma once

#include "standindialog.h"

#include <QDate>
#include <QPoint>

// Stands in for the calendar of a date input: where the page placed it, the date the page set,
// and the days the user picks, which a test gives.
class StandinCalendar : public StandinDialog
{
    Q_OBJECT
    Q_CLASSINFO("TestControls", "selectedDate pick")
    Q_PROPERTY(QPoint pos READ pos WRITE setPos)
    Q_PROPERTY(QDate selectedDate READ selectedDate)

public:
    explicit StandinCalendar(QObject *parent);

    QPoint pos() const { return m_pos; }
    void setPos(const QPoint &pos) { m_pos = pos; }
    QDate selectedDate() const { return m_selectedDate; }

    Q_INVOKABLE void setSelectedDay(int year, int month, int day);
    // Test control: the user clicks a day.
    Q_INVOKABLE void pick(const QDate &date);

signals:
    void selectedDayChanged(int year, int month, int day);

private:
    QPoint m_pos;
    QDate m_selectedDate;
};
