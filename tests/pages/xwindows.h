#pragma once

#include <QList>
#include <QWindow>

// What the X server says of the program's windows on xcb with no window manager, where Qt's own
// focus window may still name the window before when the focus came back to a box that had it
// before a younger one opened.
namespace XWindows {

// The top-level window with the X input focus, which the operator's keys reach; null when no
// window of the program has it.
QWindow *withKeys();
// The X windows on the root, bottom first: with no window manager every top-level window is one
// of them, in the order the X server stacks them.
QList<WId> stacking();
bool stackedAbove(QWindow *upper, QWindow *lower);

} // namespace XWindows
