#include "maintabwidget.h"

#include "frame.h"
#include "frames.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/core/shellwindow.h"
#include "gui/core/utils.h"
#include "gui/widget/mainstatusbar.h"

#include "client/controller/itemcontroller.h"

#include <QPointer>
#include <QQuickItem>
#include <QQuickView>
#include <QTabBar>
#include <QTimer>

namespace Gui {

namespace {

MainStatusBar *mainStatusBar()
{
    ShellWindow *window = Context::shellWindow();
    return window ? window->windowStatusBar() : nullptr;
}

} // namespace

MainTabWidget::MainTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabsClosable(true);
    setMovable(true);
    connect(this, &QTabWidget::tabCloseRequested, this, &MainTabWidget::onTabClose);
    connect(tabBar(), &QTabBar::tabMoved, this, &MainTabWidget::onTabMoved);
    connect(this, &QTabWidget::currentChanged, this, &MainTabWidget::onCurrentChanged);
}

MainTabWidget::~MainTabWidget() = default;

QObject *MainTabWidget::qmlItem(int index) const
{
    return Utils::objectProperty(widget(index), "qmlItem");
}

int MainTabWidget::indexOfQmlItem(const QObject *item) const
{
    if (!item)
        return -1;
    for (int i = 0; i < count(); ++i) {
        if (qmlItem(i) == item)
            return i;
    }
    return -1;
}

bool MainTabWidget::removeQmlItemTab(const QObject *item)
{
    const int index = indexOfQmlItem(item);
    if (index < 0)
        return false;
    QWidget *container = widget(index);
    removeTab(index);
    container->deleteLater();
    return true;
}

void MainTabWidget::onTabClose(int index)
{
    QWidget *container = widget(index);
    if (!container)
        return;
    if (QObject *item = qmlItem(index)) {
        // The page decides: it may ask to save first, and ends with closeWidget().
        connect(item, SIGNAL(closeWidget()), this, SLOT(removeItemTab()), Qt::UniqueConnection);
        Utils::invoke(item, "closed()");
        return;
    }
    if (auto *frame = qobject_cast<Frame *>(container))
        frame->unregisterFrame();
    removeTab(index);
    container->deleteLater();
}

void MainTabWidget::onTabMoved(int from, int to)
{
    Hub *hub = Context::hub();
    if (Frames *frames = hub ? hub->frameList() : nullptr)
        frames->moveTabFrame(from, to);
}

void MainTabWidget::onCurrentChanged(int index)
{
    if (index < 0) {
        m_shown = nullptr;
        dropRowCountWiring();
        showRowCount(false);
        return;
    }
    if (widget(index) == m_shown)
        return;
    m_shown = widget(index);
    widget(index)->setFocus(Qt::OtherFocusReason);
    QObject *item = qmlItem(index);
    if (item && Utils::findMethod(item, "tableContainerUpdated(QVariant)").isValid()) {
        connect(item, SIGNAL(tableContainerUpdated(QVariant)), this, SLOT(onTableContainerUpdated(QVariant)),
                Qt::UniqueConnection);
    }
    showRowCount(connectTableContainer(Utils::objectProperty(item, "tableContainer")));
}

void MainTabWidget::removeItemTab()
{
    removeQmlItemTab(sender());
}

void MainTabWidget::onTableContainerUpdated(QVariant tableContainer)
{
    // Only the current page feeds the status bar.
    if (sender() && sender() != qmlItem(currentIndex()))
        return;
    showRowCount(connectTableContainer(tableContainer.value<QObject *>()));
}

void MainTabWidget::dropRowCountWiring()
{
    for (const QMetaObject::Connection &connection : qAsConst(m_rowCountWiring))
        disconnect(connection);
    m_rowCountWiring.clear();
}

bool MainTabWidget::connectTableContainer(QObject *tableContainer)
{
    dropRowCountWiring();
    QObject *table = Utils::objectProperty(tableContainer, "tableForRowCount");
    QObject *view = Utils::objectProperty(table, "tableView");
    auto *controller = qobject_cast<Client::Controller::ItemController *>(Utils::objectProperty(view, "controller"));
    if (!view || !controller)
        return false;
    MainStatusBar *statusBar = mainStatusBar();
    if (!statusBar)
        return true;
    statusBar->setRowCount(view->property("rowCount").toInt());
    if (Utils::findMethod(view, "tableRowCountChanged(int)").isValid())
        m_rowCountWiring.append(connect(view, SIGNAL(tableRowCountChanged(int)), statusBar, SLOT(setRowCount(int))));
    if (Client::Controller::OriginalModel *model = controller->originalModel()) {
        statusBar->setRowLimit(int(model->limit()));
        m_rowCountWiring.append(connect(model, &Client::Controller::OriginalModel::limitChanged, statusBar,
                                        &MainStatusBar::setRowLimit));
    }
    if (auto *quickView = qobject_cast<QQuickItem *>(view))
        quickView->forceActiveFocus();
    return true;
}

void MainTabWidget::showRowCount(bool visible)
{
    if (MainStatusBar *statusBar = mainStatusBar())
        statusBar->setRowCountVisible(visible);
}

void MainTabWidget::activateCurrentView()
{
    if (count() == 0)
        return;
    QWidget *current = currentWidget();
    current->setFocus();
    QPointer<QQuickView> view = qobject_cast<QQuickView *>(Utils::objectProperty(current, "qmlView"));
    if (view)
        QTimer::singleShot(100, this, [this, view] {
            // Not once another window has been activated meanwhile.
            if (view && isActiveWindow())
                view->requestActivate();
        });
}

} // namespace Gui
