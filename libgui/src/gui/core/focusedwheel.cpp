#include "focusedwheel.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace Gui {

namespace {

// A control whose value a turn of the wheel changes; null for any other object.
QWidget *wheelControl(QObject *object)
{
    if (auto *box = qobject_cast<QComboBox *>(object))
        return box;
    return qobject_cast<QAbstractSpinBox *>(object);
}

} // namespace

FocusedWheel::FocusedWheel(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool FocusedWheel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    QWidget *control = wheelControl(watched);
    if (!control)
        return QObject::eventFilter(watched, event);
    if (type != QEvent::Wheel) {
        // Before the first turn: the application gives a control the wheel focus before filters see it.
        if (control->focusPolicy() == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        return QObject::eventFilter(watched, event);
    }
    if (control->hasFocus())
        return QObject::eventFilter(watched, event);
    // Stopped and left unaccepted, a turn from the window system goes on to the parent.
    event->ignore();
    return true;
}

} // namespace Gui
