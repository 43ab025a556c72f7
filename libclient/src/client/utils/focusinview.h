#pragma once

#include <QObject>
#include <QPointer>

class QQuickItem;
class QQuickWindow;

namespace Client {

// Brings the focused field of a scrolled form into the form's view before a key or an input
// method edits it, as a web form does, so that no key changes a field the operator cannot see.
// A key that changes nothing (the cursor moved, a copy, a function key) and a value that the
// program sets scroll nothing. A field inside a scrolled view of its own (a
// text area) is shown by that view's frame; the inner view keeps its cursor in sight itself.
// Each key costs a walk from the focused item up to the form's view.
class FocusInView : public QObject
{
    Q_OBJECT

public:
    // Watches the keys of flickable's window for the items inside flickable, which owns it.
    explicit FocusInView(QQuickItem *flickable);
    // One for a flickable, owned by it, for QML; null when flickable is no QQuickItem.
    static FocusInView *attach(QObject *flickable);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchWindow(QQuickWindow *window);
    void followFocus();
    void bringIntoView(QQuickItem *item);

    QQuickItem *m_flickable;
    QPointer<QQuickWindow> m_window;
    // The focused item inside the view, whose input-method events go past the window.
    QPointer<QQuickItem> m_focused;
};

} // namespace Client
