#include "datetimeedit.h"

#include "todaycalendar.h"

namespace Gui {

DateTimeEdit::DateTimeEdit(QWidget *parent)
    : QDateTimeEdit(parent)
{
    setCalendarPopup(true);
    setCalendarWidget(new TodayCalendar(this));
}

DateTimeEdit::~DateTimeEdit() = default;

} // namespace Gui
