#include "colorlabel.h"

namespace Gui {

ColorLabel::ColorLabel(QWidget *parent)
    : QLabel(parent)
{
}

ColorLabel::~ColorLabel() = default;

void ColorLabel::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setBrush(foregroundRole(), color);
    setPalette(p);
}

} // namespace Gui
