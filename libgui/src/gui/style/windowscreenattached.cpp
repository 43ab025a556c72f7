#include "windowscreenattached.h"

#include "windowscreen.h"

#include <QQuickItem>
#include <QQuickWindow>

namespace Gui {

WindowScreenAttached::WindowScreenAttached(QObject *attachee)
    : QObject(attachee)
{
    QQuickItem *item = placedItem(attachee);
    if (item)
        connect(item, &QQuickItem::windowChanged, this, &WindowScreenAttached::followWindow);
    setSource(WindowScreen::of(item ? item->window() : nullptr));
}

QQuickItem *WindowScreenAttached::placedItem(QObject *attachee)
{
    auto *item = qobject_cast<QQuickItem *>(attachee);
    if (item && (item->parentItem() || item->window()))
        return item;
    // A property's value: QML makes the object that holds it its parent.
    for (QObject *owner = attachee->parent(); owner; owner = owner->parent()) {
        if (auto *ownerItem = qobject_cast<QQuickItem *>(owner))
            return ownerItem;
    }
    return item;
}

void WindowScreenAttached::followWindow(QQuickWindow *window)
{
    if (window)
        setSource(WindowScreen::of(window));
}

void WindowScreenAttached::setSource(WindowScreen *source)
{
    if (source == m_source)
        return;
    // By its handle: a disconnection by sender and receiver would scan every control's.
    disconnect(m_sourceHeight);
    m_source = source;
    m_sourceHeight = connect(source, &WindowScreen::heightChanged, this, &WindowScreenAttached::updateHeight);
    updateHeight();
}

void WindowScreenAttached::updateHeight()
{
    if (!m_source || m_source->height() == m_height)
        return;
    m_height = m_source->height();
    emit heightChanged();
}

} // namespace Gui
