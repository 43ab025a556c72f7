#pragma once

#include <QMetaMethod>
#include <QPoint>
#include <QSize>
#include <QString>

class QObject;
class QWidget;

// Window operations of the shell: placement on the screen, task-bar grouping, raising QML frame
// windows, meta-object look-ups and the bracketed name of pseudo-rows.
namespace Gui::Utils {

// Centres the widget on the available geometry of the first screen.
void centerOnScreen(QWidget *widget);
// Moves the widget to p when enough of it stays reachable on the screens (its top edge on a
// screen's available area); otherwise centres it.
void moveOnScreen(QWidget *widget, const QPoint &p);
// Maximizes for Qt::WindowMaximized; otherwise resizes to size, at least 200 by 200.
void applyWindowState(QWidget *widget, int state, const QSize &size);
// Lets widget share the owner's task-bar entry, when "ui"/"groupTaskBarWindows" is set.
void attachToOwnerWindow(QWidget *owner, QWidget *widget);
// Raises and activates the window of a QML frame when it is visible.
void activateFrameWindow(QObject *object);
QObject *objectProperty(const QObject *object, const char *name);
QMetaMethod findMethod(const QObject *object, const char *signature);
// U+0000, "[", text, "]": sorts before every real name.
QString bracketed(const QString &text);

} // namespace Gui::Utils
