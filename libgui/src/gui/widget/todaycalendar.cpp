#include "todaycalendar.h"

#include <QLayout>
#include <QPushButton>

namespace Gui {

TodayCalendar::TodayCalendar(QWidget *parent)
    : QCalendarWidget(parent)
    , m_today(new QPushButton(tr("Today")))
{
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    layout()->addWidget(m_today);
    layout()->setAlignment(m_today, Qt::AlignHCenter);
    connect(m_today, &QPushButton::clicked, this, [this] { setSelectedDate(QDate::currentDate()); });
}

TodayCalendar::~TodayCalendar() = default;

QSize TodayCalendar::minimumSizeHint() const
{
    const QSize base = QCalendarWidget::minimumSizeHint();
    return QSize(base.width(), base.height() + m_today->sizeHint().height());
}

QPushButton *TodayCalendar::todayButton() const
{
    return m_today;
}

} // namespace Gui
