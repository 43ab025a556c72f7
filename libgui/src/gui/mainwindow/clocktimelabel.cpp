#include "clocktimelabel.h"

namespace Gui {

ClockTimeLabel::ClockTimeLabel(QWidget *parent)
    : QLabel(parent)
{
}

ClockTimeLabel::~ClockTimeLabel() = default;

} // namespace Gui
