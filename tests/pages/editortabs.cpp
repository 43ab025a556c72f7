#include "editortabs.h"

#include <QQuickItem>

namespace {

QQuickItem *tabButton(QObject *editor, const QString &tab, int *index = nullptr)
{
    QObject *view = editor ? editor->property("tabView").value<QObject *>() : nullptr;
    QObject *bar = view ? view->property("tabBar").value<QObject *>() : nullptr;
    const int count = bar ? bar->property("count").toInt() : 0;
    for (int i = 0; i < count; ++i) {
        QQuickItem *button = nullptr;
        QMetaObject::invokeMethod(bar, "itemAt", Q_RETURN_ARG(QQuickItem *, button), Q_ARG(int, i));
        if (button && button->objectName() == tab) {
            if (index)
                *index = i;
            return button;
        }
    }
    return nullptr;
}

} // namespace

QQuickItem *editorTabButton(QObject *editor, const QString &tab)
{
    return tabButton(editor, tab);
}

bool showEditorTab(QObject *editor, const QString &tab)
{
    int index = -1;
    if (!tabButton(editor, tab, &index))
        return false;
    QObject *view = editor->property("tabView").value<QObject *>();
    view->property("tabBar").value<QObject *>()->setProperty("currentIndex", index);
    return true;
}

QObject *editorTabPage(QObject *editor, const QString &tab)
{
    int index = -1;
    if (!tabButton(editor, tab, &index))
        return nullptr;
    QObject *view = editor->property("tabView").value<QObject *>();
    QVariant content;
    QMetaObject::invokeMethod(view, "getTab", Q_RETURN_ARG(QVariant, content), Q_ARG(QVariant, index));
    QObject *page = content.value<QObject *>();
    // A tab made on its first visit holds its page in a loader.
    if (page && page->metaObject()->indexOfProperty("pageOptions") >= 0)
        return page->property("page").value<QObject *>();
    return page;
}
