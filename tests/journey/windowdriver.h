#pragma once

#include <QPoint>
#include <QString>

class QAction;
class QMenuBar;
class QQuickItem;
class QWidget;
class QWindow;

// Drives the real window with mouse events, as an operator does: menus of the menu bar opened
// and their entries clicked, tool bar buttons and page buttons clicked where they are shown.
namespace WindowDriver {

// Opens each menu on the command's path from the menu bar and clicks the command; empty when it
// worked, otherwise what stood in the way.
QString clickMenuCommand(QMenuBar *bar, const QString &objectName);
// The same for a command found otherwise (one without an object name).
QString clickMenuAction(QMenuBar *bar, QAction *command);
// Clicks a widget (a tool bar button) in its middle once it is shown.
QString clickWidget(QWidget *widget);
// Clicks a page's item in its middle, in the window it is shown in.
QString clickItem(QQuickItem *item);
// Double-clicks a point of a window.
void doubleClick(QWindow *window, const QPoint &at);
// Gives an item the keyboard focus with a click.
QString focusItem(QQuickItem *item);
// Gives an item the keyboard focus with a click and types the text over what it holds.
QString typeInto(QQuickItem *item, const QString &text);

// When the last click of the driver went, in nanoseconds of clockNs(): what the click set off
// is timed from there.
qint64 lastClickNs();
qint64 clockNs();

} // namespace WindowDriver
