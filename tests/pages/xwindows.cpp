#include "xwindows.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace XWindows {
namespace {

xcb_connection_t *connection()
{
    return static_cast<xcb_connection_t *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("connection"));
}

} // namespace

QWindow *withKeys()
{
    xcb_connection_t *x = connection();
    xcb_get_input_focus_reply_t *focus = x ? xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr) : nullptr;
    if (!focus)
        return nullptr;
    const WId id = focus->focus;
    std::free(focus);
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->handle() && window->winId() == id) {
            while (window->parent())
                window = window->parent();
            return window;
        }
    }
    return nullptr;
}

QList<WId> stacking()
{
    xcb_connection_t *x = connection();
    if (!x)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree)
        return {};
    QList<WId> windows;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
        windows.append(children[i]);
    std::free(tree);
    return windows;
}

bool stackedAbove(QWindow *upper, QWindow *lower)
{
    const QList<WId> windows = stacking();
    const int upperAt = windows.indexOf(upper->winId());
    const int lowerAt = windows.indexOf(lower->winId());
    return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
}

} // namespace XWindows
