#include "booleanlabel.h"

namespace Gui {

BooleanLabel::BooleanLabel(QWidget *parent)
    : ColorLabel(parent)
{
}

BooleanLabel::~BooleanLabel() = default;

void BooleanLabel::setValue(bool value)
{
    setColor(value ? Qt::green : Qt::red);
}

} // namespace Gui
