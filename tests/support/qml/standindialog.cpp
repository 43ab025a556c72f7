#include "standindialog.h"

StandinDialog::StandinDialog(const QString &kind, QObject *parent)
    : StandinObject(parent)
    , m_kind(kind)
{
}

void StandinDialog::setPos(const QPoint &pos)
{
    m_pos = pos;
    emit posChanged();
}

void StandinDialog::setSelectedDate(const QDate &date)
{
    record(QStringLiteral("setSelectedDate"), {date});
    m_selectedDate = date;
    emit selectedDateChanged();
}

void StandinDialog::pick(const QDate &date)
{
    m_selectedDate = date;
    emit selectedDateChanged();
    emit selectionChanged(date);
}

void StandinDialog::accept()
{
    emit accepted();
    deleteLater();
}

void StandinDialog::reject()
{
    emit rejected();
    deleteLater();
}

void StandinDialog::close()
{
    emit closed();
    deleteLater();
}
