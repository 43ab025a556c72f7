#include "lineedit.h"

#include <QKeyEvent>
#include <QTimer>

namespace Gui {

LineEdit::LineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

LineEdit::~LineEdit() = default;

void LineEdit::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key());
    QLineEdit::keyPressEvent(event);
}

void LineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // After the mouse press that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

} // namespace Gui
