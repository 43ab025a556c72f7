#include "mainmenu.h"

#include "about.h"
#include "customize.h"
#include "guisessionmenu.h"
#include "launcher.h"
#include "maintoolbar.h"
#include "mainwindow.h"

#include "gui/core/context.h"
#include "gui/core/message.h"
#include "gui/core/utils.h"
#include "gui/dialog/options.h"
#include "gui/shell/global.h"
#include "gui/update/updater.h"

#include "client/controller/list/toolbar.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace Gui {

namespace {

const QString SmsTableUrl = QStringLiteral("qrc:/qml/sms/SmsTable.qml");
const QString NotificationTypeTableUrl = QStringLiteral("qrc:/qml/notification/NotificationTypeTable.qml");

// Runs a dialog modally; it deletes itself when closed unless it says otherwise.
void runModal(QDialog *dialog)
{
    if (!dialog)
        return;
    Message::exec(dialog, !dialog->testAttribute(Qt::WA_DeleteOnClose));
}

} // namespace

MainMenu::MainMenu(QMenuBar *menuBar)
    : m_menuBar(menuBar)
{
    qRegisterMetaType<QAction *>();
}

MainMenu::~MainMenu() = default;

QString MainMenu::plainText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            // "&&" is a literal ampersand; a single one marks the mnemonic.
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                plain.append(text.at(++i));
            continue;
        }
        plain.append(text.at(i));
    }
    return plain;
}

void MainMenu::build()
{
    buildFileMenu();
    createCustomMenus();
    QMenu *report = m_menuBar->addMenu(tr("&Report"));
    fillReportMenu(report);
    buildToolsMenu();
    buildHelpMenu();
    exportMenus();
}

void MainMenu::buildFileMenu()
{
    QMenu *file = m_menuBar->addMenu(tr("&File"));
    fillFileMenu(file);
    file->addSeparator();
    addCommand(file, tr("&Change Password..."), QStringLiteral("changePassword"), &MainMenu::onChangePassword);
    m_guiSessionMenu = new Private::GuiSessionMenu(file);
    file->addMenu(m_guiSessionMenu);
    file->addSeparator();
    addCommand(file, tr("E&xit"), QStringLiteral("quit"), &MainMenu::onExit, QKeySequence(tr("Ctrl+Q")));
}

void MainMenu::buildToolsMenu()
{
    QMenu *tools = m_menuBar->addMenu(tr("&Tools"));
    // Ctrl+L switches editor tabs in pages; the launcher keeps clear of it.
    addCommand(
        tools, tr("&Launcher"), QStringLiteral("launcher"), [] { Utils::showOwnWindow(new Launcher); },
        QKeySequence(tr("Ctrl+Shift+L")));
    addCommand(tools, tr("&SMS Control"), QStringLiteral("smsControl"),
               [] { Context::createQmlFrame(SmsTableUrl); });
    addCommand(tools, tr("&Notification Types"), QStringLiteral("notificationType"),
               [] { Context::createQmlFrame(NotificationTypeTableUrl); });
    fillToolsMenu(tools);
    addCommand(tools, tr("C&ustomize..."), QStringLiteral("customize"), &MainMenu::onCustomize);
    addCommand(tools, tr("&Options..."), QStringLiteral("options"), [this] { runModal(createOptionsDialog()); });
}

void MainMenu::buildHelpMenu()
{
    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    addCommand(help, tr("Check &latest version..."), QStringLiteral("latestVersion"),
               [this] { checkForUpdates(true); });
    addCommand(help, tr("&Back to previous version..."), QStringLiteral("previousVersion"),
               [this] { checkForUpdates(false); });
    addCommand(help, tr("Open &Download Page"), QStringLiteral("openDownloadPage"),
               [this] { openDownloadPage(); });
    help->addSeparator();
    addCommand(help, tr("&About %1...").arg(QApplication::applicationDisplayName()), QStringLiteral("About"),
               [] { Utils::showAbout(); });
}

void MainMenu::exportMenus()
{
    // Depth first, in order of creation: a submenu follows the entries of its menu.
    const QList<QMenu *> menus = m_menuBar->findChildren<QMenu *>();
    for (QMenu *menu : menus) {
        // The bar's own overflow menu is not a menu of commands.
        if (!menu->objectName().startsWith(QLatin1String("qt_")))
            exportMenu(menu);
    }
}

void MainMenu::exportMenu(QMenu *menu)
{
    Global *global = Context::global();
    if (!global || !global->toolBar())
        return;
    Client::Controller::OriginalModel *rows = global->toolBar()->originalModel();
    rows->addRow({{QStringLiteral("id"), m_nextRowId++},
                  {QStringLiteral("name"), plainText(menu->title())},
                  {QStringLiteral("type"), QStringLiteral("menu")}});
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->isSeparator() || action->menu())
            continue;
        rows->addRow({{QStringLiteral("id"), m_nextRowId++},
                      {QStringLiteral("name"), plainText(action->text())},
                      {QStringLiteral("type"), QStringLiteral("item")},
                      {QStringLiteral("commandId"), action->objectName()},
                      {QStringLiteral("commandObject"), QVariant::fromValue(action)}});
    }
}

void MainMenu::createCustomMenus()
{
}

void MainMenu::fillFileMenu(QMenu *)
{
}

void MainMenu::fillReportMenu(QMenu *)
{
}

void MainMenu::fillToolsMenu(QMenu *)
{
}

QDialog *MainMenu::createOptionsDialog()
{
    return new Dialog::Options;
}

void MainMenu::onChangePassword()
{
    runModal(createChangePasswordDialog());
}

void MainMenu::onCustomize()
{
    MainToolBar *toolBar = Context::mainToolBar();
    if (!toolBar)
        return;
    auto *dialog = new Dialog::Customize(toolBar->commandIds(), toolBar->defaultCommandIds());
    dialog->applyTo(toolBar);
    runModal(dialog);
}

void MainMenu::checkForUpdates(bool latest)
{
    if (Global *global = Context::global())
        global->updater()->checkWithChannel(latest, false);
}

void MainMenu::openDownloadPage()
{
    if (Global *global = Context::global())
        global->updater()->openDownloadPage();
}

void MainMenu::onExit()
{
    if (MainWindow *window = Context::mainWindow())
        window->close();
}

} // namespace Gui
