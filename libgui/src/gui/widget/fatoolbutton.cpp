#include "fatoolbutton.h"

#include "fapushbutton.h"

namespace Gui {

FaToolButton::FaToolButton(const QString &glyph, int family, QWidget *parent)
    : QToolButton(parent)
{
    setText(glyph);
    setFont(FaPushButton::iconFont(family, glyph, font()));
}

FaToolButton::~FaToolButton() = default;

} // namespace Gui
