#include "mainwindow.h"

#include "mainmenu.h"

#include "gui/core/context.h"
#include "gui/core/global.h"
#include "gui/core/guisession.h"
#include "gui/core/utils.h"
#include "gui/frame/frames.h"
#include "gui/frame/maintabwidget.h"
#include "gui/widget/mainstatusbar.h"

#include "client/controller/user/userguisession.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

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
}

MainWindow::~MainWindow()
{
    if (Context::mainWindow() == this)
        Context::setMainWindow(nullptr);
    if (Context::mainTabWidget() == m_tabWidget)
        Context::setMainTabWidget(nullptr);
    delete m_mainMenu;
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
    m_mainMenu = createMainMenu();
    m_mainMenu->build();
    m_mainStatusBar = createStatusBar();
    m_mainStatusBar->setParent(this);
    m_mainStatusBar->build();
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
}

QVariantMap MainWindow::saveSettings() const
{
    QVariantMap settings = WindowGuiSettings::saveSettings();
    settings.insert(QStringLiteral("currentTabIndex"), m_tabWidget->currentIndex());
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

void MainWindow::quit()
{
    if (m_global && m_global->guiSession())
        m_global->guiSession()->reset();
    SpSingleton<Client::Controller::UserSession>::instance()->closeOwnSession({{QStringLiteral("type_close"), 3}});
    QCoreApplication::quit();
}

} // namespace Gui
