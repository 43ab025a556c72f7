#pragma once

#include <QObject>

class QKeyEvent;
class QQuickWindow;

namespace Gui {

// Gives a key that a Qt Quick window binds to a shortcut the shown meaning of that key, whatever
// has the focus. Text inputs take some Ctrl keys as editing keys before any shortcut sees them
// (on X11 Ctrl+U deletes the line), and a key whose shortcut is disabled goes on to the focused
// input (Ctrl+D deletes a character, Ctrl+K the rest of the line). While a shortcut of the key is
// enabled, or its item is shown, the focused item neither claims the key nor gets it.
// Costs a walk over the window's items for each key pressed with Ctrl, Alt or Meta.
class ShortcutPrecedence : public QObject
{
    Q_OBJECT

public:
    // Watches the application's Qt Quick windows while it lives.
    explicit ShortcutPrecedence(QObject *parent = nullptr);

    // Whether a Shortcut of the window binds the event's key and is enabled or on a shown item.
    static bool bindsKey(QQuickWindow *window, const QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Gui
