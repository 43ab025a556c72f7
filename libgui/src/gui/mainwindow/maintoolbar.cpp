#include "maintoolbar.h"

#include "clockwidget.h"

#include "gui/core/context.h"
#include "gui/shell/global.h"
#include "gui/widget/indicatortoolbutton.h"

#include "client/controller/list/toolbar.h"
#include "client/controller/notification.h"

#include <QAction>
#include <QToolBar>

namespace Gui {

namespace {

const QString NotificationTableUrl = QStringLiteral("qrc:/qml/notification/NotificationTable.qml");
// The bell of the regular icon font.
const QChar BellGlyph(0xf0a2);
constexpr int RegularFamily = 0;

} // namespace

MainToolBar::MainToolBar()
    : m_toolBar(new QToolBar)
{
    m_toolBar->setMovable(false);
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setStyleSheet(QStringLiteral("QToolButton { padding: 0px 15px; }"));
}

MainToolBar::~MainToolBar()
{
    // The window usually owns the bar by now; one never added goes with this object.
    if (m_toolBar && !m_toolBar->parent())
        delete m_toolBar;
}

void MainToolBar::setCommandIds(const QStringList &ids)
{
    if (!m_toolBar)
        return;
    clear();
    const QStringList commands = ids.isEmpty() ? defaultCommandIds() : ids;
    for (const QString &id : commands)
        addCommand(id);
    m_gap = new QWidget;
    m_gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(m_gap);
    m_clock = new ClockWidget;
    addIndicator(m_toolBar->addWidget(m_clock));
    afterBuild();
}

void MainToolBar::clear()
{
    const QList<QAction *> actions = m_toolBar->actions();
    m_toolBar->clear();
    // The buttons and the holders of the gap, the indicator and the clock were made here; a
    // holder takes its widget with it.
    for (QAction *action : actions) {
        if (action->parent() == m_toolBar)
            delete action;
    }
    delete m_gap;
    delete m_clock;
    delete m_indicator;
}

void MainToolBar::addCommand(const QString &id)
{
    if (id.isEmpty())
        return;
    QString name;
    QAction *command = nullptr;
    if (Global *global = Context::global()) {
        const Client::Controller::OriginalModel *rows = global->toolBar()->originalModel();
        const int row = rows->checkValueByRole(QStringLiteral("commandId"), id);
        if (row >= 0) {
            name = rows->data(row, QStringLiteral("name")).toString();
            command = rows->data(row, QStringLiteral("commandObject")).value<QAction *>();
        }
    }
    QAction *button = m_toolBar->addAction(name);
    button->setObjectName(id);
    // A command the menu no longer has keeps its place in the list but shows no empty button.
    button->setVisible(command != nullptr);
    if (command)
        connect(button, &QAction::triggered, command, &QAction::trigger);
}

void MainToolBar::addIndicator(QAction *before)
{
    m_indicator = new IndicatorToolButton(QString(BellGlyph), RegularFamily);
    m_indicator->setToolTip(tr("Notifications"));
    if (Global *global = Context::global()) {
        if (Client::Controller::Notification *notifications = global->notification()) {
            m_indicator->setCount(notifications->unreadCount());
            connect(notifications, &Client::Controller::Notification::unreadCountChanged, m_indicator,
                    &IndicatorToolButton::setCount);
        }
    }
    connect(m_indicator, &IndicatorToolButton::clicked, this,
            [] { Context::createQmlFrame(NotificationTableUrl); });
    m_toolBar->insertWidget(before, m_indicator);
}

QStringList MainToolBar::commandIds() const
{
    QStringList ids;
    const QList<QAction *> actions = m_toolBar ? m_toolBar->actions() : QList<QAction *>();
    for (const QAction *action : actions) {
        if (!action->objectName().isEmpty())
            ids.append(action->objectName());
    }
    return ids;
}

void MainToolBar::afterBuild()
{
}

} // namespace Gui
