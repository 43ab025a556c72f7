#include "boxstack.h"

#include "utils.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace Gui {

namespace {

BoxStack *current = nullptr;

// A box: a shown dialog window that can take the keys. Menus, tool tips and notices are not.
bool isBox(const QWindow *window)
{
    return window->isVisible() && (window->type() == Qt::Dialog || window->modality() != Qt::NonModal)
        && !window->flags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

} // namespace

BoxStack::BoxStack(QObject *parent)
    : QObject(parent)
{
    current = this;
    qApp->installEventFilter(this);
}

BoxStack::~BoxStack()
{
    if (current == this)
        current = nullptr;
}

QWindow *BoxStack::youngest(const QWindow *owner)
{
    if (!owner)
        return nullptr;
    QWindow *found = nullptr;
    quint64 foundShown = 0;
    // Without the watch, the application's window list (in the order the windows were made).
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window == owner || window->transientParent() != owner || !isBox(window))
            continue;
        const quint64 shown = current ? current->m_shown.value(window) : 0;
        if (!found || shown >= foundShown) {
            found = window;
            foundShown = shown;
        }
    }
    return found;
}

bool BoxStack::activateYoungest(QObject *owner)
{
    // Of application-modal boxes only the last one shown takes the keys: Qt hands them to it
    // whichever is activated. While one is open, over this window or another, it is the one seen.
    QWindow *box = QGuiApplication::modalWindow();
    if (!box || !box->isVisible())
        box = youngest(Utils::topWindow(owner));
    if (!box)
        return false;
    Utils::raiseWindow(box);
    return true;
}

void BoxStack::showOver(const std::function<void()> &show, QObject *owner)
{
    const quint64 before = current ? current->m_shows : 0;
    show();
    QWindow *window = Utils::topWindow(owner);
    if (!current || !window)
        return;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *box : windows) {
        if (current->m_shown.value(box) > before && box != window && !box->transientParent() && isBox(box))
            box->setTransientParent(window);
    }
}

void BoxStack::closeBoxesOver(const QWindow *owner)
{
    QList<QPointer<QWindow>> boxes;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow *window : windows) {
        if (window != owner && window->transientParent() == owner && isBox(window))
            boxes.append(window);
    }
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (const QPointer<QWindow> &box : qAsConst(boxes)) {
        // One box's answer may close another.
        if (!box || !box->isVisible())
            continue;
        const auto widget = std::find_if(widgets.cbegin(), widgets.cend(),
                                         [&](const QWidget *w) { return w->windowHandle() == box; });
        if (widget != widgets.cend())
            (*widget)->close();
        else
            box->close();
    }
}

bool BoxStack::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWindowType()) {
        auto *window = static_cast<QWindow *>(watched);
        if (type == QEvent::Show) {
            m_shown.insert(window, ++m_shows);
        } else {
            m_shown.remove(window);
            // The window system hides none but the windows it minimises.
            if (!event->spontaneous() && window->isTopLevel() && window->type() != Qt::Dialog
                && window->modality() == Qt::NonModal)
                closeBoxesOver(window);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Gui
