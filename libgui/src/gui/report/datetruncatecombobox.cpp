#include "datetruncatecombobox.h"

namespace Gui {

DateTruncateComboBox::DateTruncateComboBox(QWidget *parent)
    : QComboBox(parent)
{
    addItem(tr("Hour"), QStringLiteral("hour"));
    addItem(tr("Day"), QStringLiteral("day"));
    addItem(tr("Week"), QStringLiteral("week"));
    addItem(tr("Month"), QStringLiteral("month"));
    addItem(tr("Quarter"), QStringLiteral("quarter"));
    addItem(tr("Year"), QStringLiteral("year"));
    setCurrentIndex(1);
}

DateTruncateComboBox::~DateTruncateComboBox() = default;

QString DateTruncateComboBox::value() const
{
    return currentData().toString();
}

} // namespace Gui
