#pragma once

#include <QList>
#include <QMetaMethod>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariantMap>

class QObject;
class QQmlError;
class QWidget;
class QWindow;

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
// Makes a shown window belong to the frame (a QML frame, a widget frame or a frame's window) that
// opened it: kept above the frame's top-level window, placed over the frame, and closed when the
// frame goes.
void keepOverFrame(QWidget *widget, QObject *frame);
// The top-level window that shows a frame (a QML frame, a widget frame), an item, a widget or a
// window; null when none does.
QWindow *topWindow(QObject *frame);
// Raises and activates a QML window (its raise() and requestActivate()).
void raiseWindow(QObject *window);
// Raises and activates the window of a QML frame when it is visible.
void activateFrameWindow(QObject *object);
QObject *objectProperty(const QObject *object, const char *name);
QMetaMethod findMethod(const QObject *object, const char *signature);
// Runs the method of that signature when the object has one.
void invoke(QObject *object, const char *signature);
bool holdsObject(const QVariant &value);
// The entries that hold no object: what can be stored and used to open a frame again.
QVariantMap withoutObjects(const QVariantMap &map);
// "[", text, "]": the name of a placeholder row (id 1), which lists sort before every other name.
QString bracketed(const QString &text);
// The errors of a QML component or view, separated by ", ".
QString qmlErrorsText(const QList<QQmlError> &errors);
// The plain show of a window opened from the shell: deleted on close, grouped with the main
// window in the task bar, shown and activated.
QWidget *showOwnWindow(QWidget *widget);

} // namespace Gui::Utils
