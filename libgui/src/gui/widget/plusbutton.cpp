#include "plusbutton.h"

namespace Gui {

PlusButton::PlusButton(QWidget *parent)
    : FaPushButton(QString(QChar(0xf067)), 1, true, parent)
{
    setStyleSheet(QStringLiteral("QPushButton { color: #28fe13; }"));
}

PlusButton::~PlusButton() = default;

} // namespace Gui
