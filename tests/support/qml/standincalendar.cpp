#include "standincalendar.h"

StandinCalendar::StandinCalendar(QObject *parent)
    : StandinDialog(QStringLiteral("calendar"), parent)
{
}

void StandinCalendar::setSelectedDay(int year, int month, int day)
{
    record(QStringLiteral("setSelectedDay"), {year, month, day});
    m_selectedDate = QDate(year, month, day);
}

void StandinCalendar::pick(const QDate &date)
{
    m_selectedDate = date;
    emit selectedDayChanged(date.year(), date.month(), date.day());
}
