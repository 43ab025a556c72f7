#include "minusbutton.h"

namespace Gui {

MinusButton::MinusButton(QWidget *parent)
    : FaPushButton(QString(QChar(0xf068)), 1, true, parent)
{
    setStyleSheet(QStringLiteral("QPushButton { color: red; }"));
}

MinusButton::~MinusButton() = default;

} // namespace Gui
