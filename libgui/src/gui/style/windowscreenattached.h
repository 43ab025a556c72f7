#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QQuickItem;
class QQuickWindow;

namespace Gui {

class WindowScreen;

// `WindowScreen.height` of one item: the height of the screen of the window the item is in.
// It follows the item's own window; an item held as a property value (not in the item tree)
// follows the nearest item among its owners. Until the item is in a window it has the primary
// screen's height; taken out of its window it keeps the height it had, so that controls being
// torn down do not lay themselves out again.
class WindowScreenAttached : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int height READ height NOTIFY heightChanged)

public:
    explicit WindowScreenAttached(QObject *attachee);

    int height() const { return m_height; }

signals:
    void heightChanged();

private:
    static QQuickItem *placedItem(QObject *attachee);
    void followWindow(QQuickWindow *window);
    void setSource(WindowScreen *source);
    void updateHeight();

    QPointer<WindowScreen> m_source;
    QMetaObject::Connection m_sourceHeight;
    int m_height = 0;
};

} // namespace Gui
