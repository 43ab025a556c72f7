#include "testmainmenu.h"

#include "gui/dialog/changepassword.h"
#include "gui/shell/global.h"

#include <QMenuBar>

TestMainMenu::TestMainMenu(QMenuBar *menuBar)
    : Gui::MainMenu(menuBar)
{
}

TestMainMenu::~TestMainMenu() = default;

void TestMainMenu::createCustomMenus()
{
    QMenu *catalogues = menuBar()->addMenu(tr("&Catalogues"));
    addCommand(catalogues, tr("&Drivers"), QStringLiteral("drivers"), [this] { ++runs["drivers"]; });
}

void TestMainMenu::fillFileMenu(QMenu *menu)
{
    addCommand(menu, tr("&Users"), QStringLiteral("users"), [this] { ++runs["users"]; }, QKeySequence(tr("Ctrl+Shift+U")));
}

void TestMainMenu::fillReportMenu(QMenu *menu)
{
    addCommand(menu, tr("&Drivers report"), QStringLiteral("driverReport"), [this] { ++runs["driverReport"]; });
}

void TestMainMenu::fillToolsMenu(QMenu *menu)
{
    addCommand(menu, tr("&Versions"), QStringLiteral("versions"), [this] { ++runs["versions"]; });
}

QDialog *TestMainMenu::createChangePasswordDialog()
{
    return new Gui::Dialog::ChangePassword(Gui::Global::ownerId());
}
