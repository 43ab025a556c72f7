#include "focusinview.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>

namespace Client {

namespace {

// The contentY at which a flickable shows rect (in its content's coordinates): unchanged when
// it shows it already; the least move otherwise. A rect taller than the view fills it.
qreal shownAt(const QRectF &rect, qreal top, qreal height)
{
    if (rect.height() > height) {
        if (rect.top() > top)
            return rect.top();
        return rect.bottom() < top + height ? rect.bottom() - height : top;
    }
    if (rect.top() < top)
        return rect.top();
    return rect.bottom() > top + height ? rect.bottom() - height : top;
}

// Whether a key may change the focused field: any key but a lone modifier and the focus moves.
bool mayEdit(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return true;
    }
}

} // namespace

FocusInView::FocusInView(QQuickItem *flickable)
    : QObject(flickable)
    , m_flickable(flickable)
{
    connect(flickable, &QQuickItem::windowChanged, this, &FocusInView::watchWindow);
    watchWindow(flickable->window());
}

FocusInView *FocusInView::attach(QObject *flickable)
{
    auto *item = qobject_cast<QQuickItem *>(flickable);
    if (!item)
        return nullptr;
    auto *inView = new FocusInView(item);
    QQmlEngine::setObjectOwnership(inView, QQmlEngine::CppOwnership);
    return inView;
}

bool FocusInView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == m_window) {
        if (m_focused && mayEdit(static_cast<QKeyEvent *>(event)))
            bringIntoView(m_focused);
    } else if (event->type() == QEvent::InputMethod && watched == m_focused) {
        const auto *input = static_cast<QInputMethodEvent *>(event);
        if (!input->commitString().isEmpty() || !input->preeditString().isEmpty() || input->replacementLength())
            bringIntoView(m_focused);
    }
    return QObject::eventFilter(watched, event);
}

void FocusInView::watchWindow(QQuickWindow *window)
{
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_window, nullptr, this, nullptr);
    }
    m_window = window;
    if (window) {
        window->installEventFilter(this);
        connect(window, &QQuickWindow::activeFocusItemChanged, this, &FocusInView::followFocus);
    }
    followFocus();
}

void FocusInView::followFocus()
{
    if (m_focused)
        m_focused->removeEventFilter(this);
    QQuickItem *item = m_window ? m_window->activeFocusItem() : nullptr;
    m_focused = item && m_flickable->isAncestorOf(item) ? item : nullptr;
    if (m_focused)
        m_focused->installEventFilter(this);
}

void FocusInView::bringIntoView(QQuickItem *item)
{
    // The part to show: the item, or the frame of the outermost scrolled view around it below
    // the form's.
    QQuickItem *shown = item;
    for (QQuickItem *parent = item->parentItem(); parent && parent != m_flickable; parent = parent->parentItem()) {
        if (parent->inherits("QQuickFlickable"))
            shown = parent;
    }
    auto *content = m_flickable->property("contentItem").value<QQuickItem *>();
    if (!content)
        return;
    const QRectF rect = shown->mapRectToItem(content, QRectF(0, 0, shown->width(), shown->height()));
    const qreal top = m_flickable->property("contentY").toReal();
    const qreal height = m_flickable->height();
    const qreal last = std::max(0.0, m_flickable->property("contentHeight").toReal() - height);
    const qreal y = std::clamp(shownAt(rect, top, height), 0.0, std::max(top, last));
    if (!qFuzzyCompare(y + 1, top + 1))
        m_flickable->setProperty("contentY", y);
}

} // namespace Client
