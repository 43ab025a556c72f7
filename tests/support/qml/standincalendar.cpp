#include "standincalendar.h"

StandinCalendar::StandinCalendar(QObject *parent)
    : StandinDialog(QStringLiteral("calendar"), parent)
{
}

void StandinCalendar::setSelectedDate(const QDate &date)
{
    record(QStringLiteral("setSelectedDate"), {date});
    m_selectedDate = date;
}

void StandinCalendar::pick(const QDate &date)
{
    m_selectedDate = date;
    emit selectionChanged(date);
}
