#include "windowdriver.h"

#include "timelimit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

#include <chrono>

namespace WindowDriver {

namespace {

qint64 lastClick = 0;

template<typename Target>
void click(Target *target, const QPoint &at)
{
    lastClick = clockNs();
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

// The menu that holds the action, among the menus below the bar (not the bar's overflow menu).
QMenu *menuHolding(QMenuBar *bar, QAction *action)
{
    for (QMenu *menu : bar->findChildren<QMenu *>()) {
        if (!menu->objectName().startsWith(QLatin1String("qt_")) && menu->actions().contains(action))
            return menu;
    }
    return nullptr;
}

} // namespace

QString clickMenuCommand(QMenuBar *bar, const QString &objectName)
{
    QAction *command = nullptr;
    for (QAction *action : bar->findChildren<QAction *>(objectName)) {
        if (menuHolding(bar, action))
            command = action;
    }
    if (!command)
        return QStringLiteral("no menu command ") + objectName;
    return clickMenuAction(bar, command);
}

QString clickMenuAction(QMenuBar *bar, QAction *command)
{
    const QString objectName = command->objectName().isEmpty() ? command->text() : command->objectName();
    // The menus from the bar down to the command's own.
    QList<QMenu *> path;
    for (QMenu *menu = menuHolding(bar, command); menu;
         menu = bar->actions().contains(menu->menuAction()) ? nullptr : menuHolding(bar, menu->menuAction()))
        path.prepend(menu);
    if (!bar->actions().contains(path.first()->menuAction()))
        return QStringLiteral("the menu of ") + objectName + QStringLiteral(" is not on the menu bar: ")
            + path.first()->title() + QLatin1Char(' ') + path.first()->objectName();

    const QRect title = bar->actionGeometry(path.first()->menuAction());
    click(bar, title.center());
    if (!QTest::qWaitForWindowExposed(path.first(), timeLimit(5000)))
        return QStringLiteral("the menu ") + path.first()->title() + QStringLiteral(" did not open");
    for (int i = 1; i < path.size(); ++i) {
        QMenu *parent = path.at(i - 1);
        const QPoint at = parent->actionGeometry(path.at(i)->menuAction()).center();
        // A submenu opens under the resting mouse, or on a click.
        QTest::mouseMove(parent, at);
        if (!QTest::qWaitFor([&] { return path.at(i)->isVisible(); }, timeLimit(1500)))
            click(parent, at);
        // Where the pointer's hover did not reach the menu, the key that opens the hovered submenu.
        if (!QTest::qWaitFor([&] { return path.at(i)->isVisible(); }, timeLimit(500))) {
            parent->setActiveAction(path.at(i)->menuAction());
            QTest::keyClick(parent, Qt::Key_Right);
        }
        if (!QTest::qWaitForWindowExposed(path.at(i), timeLimit(5000)))
            return QStringLiteral("the submenu ") + path.at(i)->title() + QStringLiteral(" did not open");
    }
    QMenu *last = path.last();
    const QPoint at = last->actionGeometry(command).center();
    QTest::mouseMove(last, at);
    QSignalSpy triggered(command, &QAction::triggered);
    click(last, at);
    if (!QTest::qWaitFor([&] { return !triggered.isEmpty(); }, timeLimit(3000)))
        return QStringLiteral("the click did not trigger ") + objectName;
    return QString();
}

QString clickWidget(QWidget *widget)
{
    if (!widget || !QTest::qWaitFor([widget] { return widget->isVisible(); }, timeLimit(3000)))
        return QStringLiteral("the button is not shown");
    click(widget, widget->rect().center());
    return QString();
}

QString clickItem(QQuickItem *item)
{
    if (!item)
        return QStringLiteral("no such item");
    QQuickWindow *window = item->window();
    if (!window || !QTest::qWaitForWindowExposed(window, timeLimit(5000)))
        return QStringLiteral("the item's window is not shown: ") + item->objectName();
    if (!QTest::qWaitFor([item] { return item->isVisible() && item->isEnabled(); }, timeLimit(5000)))
        return QStringLiteral("the item is not shown enabled: ") + item->objectName();
    // Aimed where the item stays: a layout still settling (an item just shown, a view just
    // scrolled) moves it after the click was aimed.
    const auto centre = [item] { return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint(); };
    QPoint at = centre();
    const bool settled = QTest::qWaitFor([&] {
        QTest::qWait(timeLimit(20));
        const QPoint now = centre();
        const bool same = now == at;
        at = now;
        return same;
    }, timeLimit(5000));
    if (!settled)
        return QStringLiteral("the item does not stay in place: ") + item->objectName();
    click(window, at);
    return QString();
}

void doubleClick(QWindow *window, const QPoint &at)
{
    lastClick = clockNs();
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

QString focusItem(QQuickItem *item)
{
    const QString clicked = clickItem(item);
    if (!clicked.isEmpty())
        return clicked;
    QQuickWindow *window = item->window();
    window->requestActivate();
    // An inactive window is told by the focus check below.
    (void)QTest::qWaitFor([window] { return window->isActive(); }, timeLimit(2000));
    QQuickItem *focused = window->activeFocusItem();
    if (!focused || !(focused == item || item->isAncestorOf(focused)))
        return QStringLiteral("the click gave no focus to ") + item->objectName();
    return QString();
}

QString typeInto(QQuickItem *item, const QString &text)
{
    const QString focused = focusItem(item);
    if (!focused.isEmpty())
        return focused;
    QQuickWindow *window = item->window();
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
    if (item->property("text").toString() != text)
        return item->objectName() + QStringLiteral(" holds \"") + item->property("text").toString()
            + QStringLiteral("\" after typing \"") + text + QStringLiteral("\"");
    return QString();
}

qint64 lastClickNs()
{
    return lastClick;
}

qint64 clockNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace WindowDriver
