#include "pagecontrols.h"

#include "pageprogram.h"
#include "screenshot.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/frame/frames.h"
#include "timelimit.h"

#include <QAbstractItemModel>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QtTest>

#include <algorithm>

namespace PageControls {

QObject *itemWithProperty(QObject *page, const char *property)
{
    QObject *window = page->property("window").value<QObject *>();
    for (QObject *root : {page, window}) {
        for (QObject *child : root ? root->findChildren<QObject *>() : QList<QObject *>()) {
            if (child->metaObject()->indexOfProperty(property) >= 0)
                return child;
        }
    }
    return nullptr;
}

QObject *tableViewOf(QObject *page)
{
    return itemWithProperty(page, "hardFilters");
}

QAbstractItemModel *rowsOf(QObject *item)
{
    return item ? item->property("model").value<QAbstractItemModel *>() : nullptr;
}

QVariant cell(QAbstractItemModel *rows, int row, const QString &role)
{
    QVariant value;
    QMetaObject::invokeMethod(rows, "data", Q_RETURN_ARG(QVariant, value), Q_ARG(int, row), Q_ARG(QString, role));
    return value;
}

int rowOf(QAbstractItemModel *rows, const QString &id)
{
    int row = -1;
    QMetaObject::invokeMethod(rows, "checkValueByRole", Q_RETURN_ARG(int, row), Q_ARG(QString, "id"),
                              Q_ARG(QVariant, QVariant(id)));
    return row;
}

int shownRow(QObject *page, const QString &id)
{
    return rowOf(rowsOf(tableViewOf(page)), id);
}

QString shownValue(QObject *page, const QString &id, const QString &role)
{
    const int row = shownRow(page, id);
    return row >= 0 ? cell(rowsOf(tableViewOf(page)), row, role).toString() : QString();
}

QObject *formOf(QObject *editor)
{
    return editor ? editor->property("form").value<QObject *>() : nullptr;
}

void press(QObject *page, const QString &name)
{
    QQuickItem *item = pageControl(page, name);
    QVERIFY2(item, qPrintable(name));
    QMetaObject::invokeMethod(item, "clicked");
}

void chooseRecords(QObject *chooser, int rows, const QStringList &ids)
{
    QObject *view = chooser->property("tableView").value<QObject *>();
    QTRY_COMPARE(view->property("rowCount").toInt(), rows);
    QAbstractItemModel *shown = rowsOf(view);
    QMetaObject::invokeMethod(view, "selectRow", Q_ARG(QVariant, rowOf(shown, ids.first())));
    QObject *selection = view->property("selection").value<QObject *>();
    for (const QString &id : ids.mid(1)) {
        const int row = rowOf(shown, id);
        QVERIFY(QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, row), Q_ARG(QVariant, row)));
    }
    QMetaObject::invokeMethod(pageControl(chooser, "selectButton"), "clicked");
}

QObject *lastFrame()
{
    Gui::Frames *frames = Gui::Context::hub()->frameList();
    return frames->count() ? frames->at(frames->count() - 1) : nullptr;
}

bool saveDrawnWindow(QObject *page, const QString &name)
{
    auto *window = qobject_cast<QQuickWindow *>(page->property("window").value<QObject *>());
    if (!window)
        return false;
    QSignalSpy drawn(window, &QQuickWindow::frameSwapped);
    window->update();
    return (!drawn.isEmpty() || drawn.wait(timeLimit(5000)))
        && saveScreenshot(window->screen()->grabWindow(window->winId()).toImage(), name);
}

void scrollTo(QQuickItem *item)
{
    for (QQuickItem *view = item->parentItem(); view; view = view->parentItem()) {
        if (!view->inherits("QQuickFlickable"))
            continue;
        const qreal top = item->mapToItem(view->property("contentItem").value<QQuickItem *>(), QPointF()).y();
        const qreal last = view->property("contentHeight").toReal() - view->height();
        view->setProperty("contentY", std::max(0.0, std::min(top - 40, last)));
        return;
    }
}

int longestLine(const QString &text)
{
    int longest = 0;
    for (const QStringRef &line : text.splitRef(QLatin1Char('\n')))
        longest = std::max(longest, line.size() - int(std::count_if(line.cbegin(), line.cend(), [](QChar c) {
                                                     return c.isLowSurrogate();
                                                 })));
    return longest;
}

} // namespace PageControls
