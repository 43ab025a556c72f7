#include "mainwindow.h"

#include "guisessionmenu.h"
#include "mainmenu.h"
#include "maintoolbar.h"

#include "gui/core/context.h"
#include "gui/core/utils.h"
#include "gui/frame/frames.h"
#include "gui/frame/frameutils.h"
#include "gui/frame/maintabwidget.h"
#include "gui/shell/global.h"
#include "gui/shell/guisession.h"
#include "gui/widget/mainstatusbar.h"

#include "client/controller/user/userguisession.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QQuickItem>
#include <QScreen>
#include <QToolBar>

namespace Gui {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , WindowGuiSettings(this)
    , m_tabWidget(new MainTabWidget)
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        QMainWindow::resize(int(screen->geometry().width() * 0.85), int(screen->geometry().height() * 0.85));
    Utils::centerOnScreen(this);
    Context::setMainWindow(this);
    connect(m_tabWidget, &QTabWidget::currentChanged, this, &MainWindow::currentTabChanged);
    Context::setMainTabWidget(m_tabWidget);
    setCentralWidget(m_tabWidget);
    setAttribute(Qt::WA_DeleteOnClose);
    m_quitTimer.setSingleShot(true);
    m_quitTimer.setInterval(std::chrono::seconds(5));
    connect(&m_quitTimer, &QTimer::timeout, this, &MainWindow::closeSession);
}

MainWindow::~MainWindow()
{
    closeWindowPages();
    if (Context::mainWindow() == this)
        Context::setMainWindow(nullptr);
    if (Context::mainTabWidget() == m_tabWidget)
        Context::setMainTabWidget(nullptr);
    if (m_mainToolBar && Context::mainToolBar() == m_mainToolBar)
        Context::setMainToolBar(nullptr);
    delete m_mainMenu;
}

void MainWindow::closeWindowPages()
{
    Frames *frames = m_global ? m_global->frames() : nullptr;
    if (!frames)
        return;
    // The pages in windows of their own are no children of this window; they read GLOBAL, one
    // of its children, until they are gone.
    QList<QPointer<QObject>> pages;
    for (QObject *frame : frames->list()) {
        if (qobject_cast<QQuickItem *>(frame) && !frame->parent() && Utils::frameIsWindow(frame))
            pages.append(frame);
    }
    for (const QPointer<QObject> &page : qAsConst(pages))
        delete page.data();
}

void MainWindow::createGlobal()
{
    m_global = newGlobal();
    m_global->setParent(this);
    Context::setGlobal(m_global);
}

void MainWindow::setup()
{
    m_global->initialize();
    connect(m_global, &Global::closing, this, &MainWindow::speedClose);
    // An update in place closes the window as the user would, with the question.
    connect(m_global->updater(), &Updater::restart, this, &QWidget::close);
    // The menu comes first: the tool bar takes its commands from the menu's export.
    m_mainMenu = createMainMenu();
    m_mainMenu->build();
    m_mainStatusBar = createStatusBar();
    m_mainStatusBar->setParent(this);
    m_mainStatusBar->build();
    m_mainToolBar = createMainToolBar();
    m_mainToolBar->setParent(this);
    m_mainToolBar->setCommandIds(QStringList());
    addToolBar(m_mainToolBar->toolBar());
    Context::setMainToolBar(m_mainToolBar);
    updateTitle();
}

MainStatusBar *MainWindow::createStatusBar()
{
    return new MainStatusBar(statusBar());
}

Private::GuiSessionMenu *MainWindow::guiSessionMenu() const
{
    return m_mainMenu ? m_mainMenu->guiSessionMenu() : nullptr;
}

MainStatusBar *MainWindow::windowStatusBar() const
{
    return m_mainStatusBar;
}

Helper::GuiSettings *MainWindow::windowSettings()
{
    return this;
}

void MainWindow::refreshTitle()
{
    updateTitle();
}

void MainWindow::rebuildGuiSessionMenu()
{
    if (Private::GuiSessionMenu *menu = guiSessionMenu())
        menu->recreate();
}

void MainWindow::checkGuiSession(int row, bool checked)
{
    if (Private::GuiSessionMenu *menu = guiSessionMenu())
        menu->setSessionChecked(row, checked);
}

void MainWindow::updateTitle()
{
    QString name;
    if (m_global && m_global->guiSession() && m_global->userGuiSession()) {
        const QString id = QString::number(m_global->guiSession()->currentId());
        name = m_global->userGuiSession()
                   ->proxyModel()
                   ->data(QStringLiteral("id"), id, QStringLiteral("name"))
                   .toString();
    }
    QString title = QApplication::applicationDisplayName();
    if (!name.isEmpty())
        title += QStringLiteral(" (%1)").arg(name);
    setWindowTitle(title);
}

void MainWindow::loadSettings(const QVariantMap &settings)
{
    WindowGuiSettings::loadSettings(settings);
    if (m_mainToolBar)
        m_mainToolBar->setCommandIds(settings.value(QStringLiteral("toolBar")).toStringList());
}

QVariantMap MainWindow::saveSettings() const
{
    QVariantMap settings = WindowGuiSettings::saveSettings();
    settings.insert(QStringLiteral("currentTabIndex"), m_tabWidget->currentIndex());
    if (m_mainToolBar)
        settings.insert(QStringLiteral("toolBar"), m_mainToolBar->commandIds());
    return settings;
}

void MainWindow::activate()
{
    activateWindow();
}

void MainWindow::requestActivate()
{
    activateWindow();
}

void MainWindow::resize(int width, int height)
{
    QMainWindow::resize(width, height);
}

bool MainWindow::maximized() const
{
    return windowState() == Qt::WindowMaximized;
}

void MainWindow::setMaximized()
{
    setWindowState(Qt::WindowMaximized);
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_tabWidget->activateCurrentView();
        if (centralWidget())
            centralWidget()->setFocus(Qt::ActiveWindowFocusReason);
        emit activated();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_quitWithoutAsking) {
        if (m_global && m_global->frames() && m_global->frames()->hasUnsavedData())
            return;
        if (Context::question(tr("Are you sure want to quit?"), this) != QMessageBox::Yes)
            return;
    }
    quit();
}

void MainWindow::speedClose()
{
    m_quitWithoutAsking = true;
    close();
}

void MainWindow::setQuitTimeout(std::chrono::milliseconds timeout)
{
    m_quitTimer.setInterval(timeout);
}

void MainWindow::quit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    setEnabled(false);
    GuiSession *session = m_global ? m_global->guiSession() : nullptr;
    Client::Controller::UserGuiSession *list = m_global ? m_global->userGuiSession() : nullptr;
    if (!session || !list) {
        closeSession();
        return;
    }
    // An auto-saved GUI session is stored by lock, update and unlock. Closing the server session
    // before the unlock is answered could lose the save, so the quit waits for it, but not for
    // ever: a lost connection answers nothing.
    const QString receiver = list->objectNumber();
    m_saveAnswer = connect(list, &Client::Controller::DesktopController::saUnlock, this,
                           [this, receiver](const QVariantMap &params) {
                               if (params.value(QStringLiteral("RECEIVER")).toString() == receiver)
                                   closeSession();
                           });
    if (session->reset())
        m_quitTimer.start();
    else
        closeSession();
}

void MainWindow::closeSession()
{
    if (m_sessionClosed)
        return;
    m_sessionClosed = true;
    m_quitTimer.stop();
    disconnect(m_saveAnswer);
    SpSingleton<Client::Controller::UserSession>::instance()->trClose({{QStringLiteral("type_close"), 3}});
    exitApplication();
}

void MainWindow::exitApplication()
{
    QCoreApplication::quit();
}

} // namespace Gui
