#include "calendar.h"

#include "gui/widget/todaycalendar.h"

#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace Gui::Dialog {

Calendar::Calendar()
    : QDialog(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_calendar(new TodayCalendar)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        const QDate date = m_calendar->selectedDate();
        emit selectionChanged(date);
        emit selectedDayChanged(date.year(), date.month(), date.day());
    });
    connect(m_calendar, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(m_calendar->todayButton(), &QPushButton::clicked, m_calendar, qOverload<>(&QWidget::setFocus));
}

Calendar::~Calendar() = default;

void Calendar::setSelectedDate(const QDate &date)
{
    m_calendar->setSelectedDate(date);
}

void Calendar::setSelectedDay(int year, int month, int day)
{
    m_calendar->setSelectedDate(QDate(year, month, day));
}

TodayCalendar *Calendar::calendar() const
{
    return m_calendar;
}

bool Calendar::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && result() != QDialog::Accepted)
        reject();
    return QDialog::event(event);
}

} // namespace Gui::Dialog
