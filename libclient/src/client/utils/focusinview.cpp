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

// Whether a key types text: printable text that no Control or Meta chord takes.
bool types(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    return !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

bool isTextInput(const QQuickItem *item)
{
    return item->inherits("QQuickTextInput") || item->inherits("QQuickTextEdit");
}

// Whether a key may change the focused item: it types, pastes, cuts, deletes, takes back,
// confirms (Return) or restores (Escape); or, outside a text, it steps a value (a spin box, a
// combo box). In a single-line text Up and Down have no line to move to: a key that does
// anything there steps a value (a time cell). Moving the cursor, copying, function keys and
// chords that edit nothing change nothing.
bool mayEdit(const QKeyEvent *event, const QQuickItem *focused)
{
    static const QKeySequence::StandardKey edits[] = {
        QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Delete, QKeySequence::Backspace,
        QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine, QKeySequence::Undo, QKeySequence::Redo,
        QKeySequence::InsertParagraphSeparator, QKeySequence::InsertLineSeparator};
    if (types(event))
        return true;
    for (QKeySequence::StandardKey key : edits) {
        if (event->matches(key))
            return true;
    }
    // Qt binds no key to QKeySequence::Backspace on X11.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return !focused->inherits("QQuickTextEdit");
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return !isTextInput(focused);
    default:
        return false;
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
        if (m_focused && mayEdit(static_cast<QKeyEvent *>(event), m_focused))
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
