#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWindow;

namespace Gui {

// The boxes open over a window: the shown dialog windows (message boxes, questions, the QML
// pages' boxes and the widget ones alike) whose transient parent it is, youngest first by the
// order they were shown. When a box goes, the keys and the top go to the youngest box still open
// over the same window, and to the window only when none is; with no window manager to stack
// them, the program raises and activates the box itself. Boxes are application-modal: while a
// younger one is open over another window, that one takes the keys, and the top with them. A
// window the program hides takes its boxes along at once, answered as Escape answers them, so
// none of them is left to take the keys once the window's opener has them. Costs a comparison of
// the type of each event, and a walk over the top-level windows when a box or window goes.
class BoxStack : public QObject
{
    Q_OBJECT

public:
    // Keeps the order windows are shown in while it lives (one for the application).
    explicit BoxStack(QObject *parent = nullptr);
    ~BoxStack() override;

    // The youngest box shown over owner (a top-level window); null when none is.
    static QWindow *youngest(const QWindow *owner);
    // Raises and activates the box that takes the keys once one over owner (a window, an item, a
    // frame, a widget) went: the last application-modal box still shown, over any window, else
    // the youngest box over owner's top-level window; false when none is open.
    static bool activateYoungest(QObject *owner);
    // Runs show, and the boxes it shows with no transient parent become boxes of owner's top-level
    // window: Qt gives a QML box the window of its page as transient parent, and none when that
    // window sits inside the main window (an editor in a tab).
    static void showOver(const std::function<void()> &show, QObject *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void closeBoxesOver(const QWindow *owner);

    QHash<const QWindow *, quint64> m_shown;
    quint64 m_shows = 0;
};

} // namespace Gui
