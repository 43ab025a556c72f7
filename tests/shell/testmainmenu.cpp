#include "testmainmenu.h"

#include "gui/core/global.h"
#include "gui/dialog/changepassword.h"

TestMainMenu::TestMainMenu(QMenuBar *menuBar)
    : Gui::MainMenu(menuBar)
{
}

TestMainMenu::~TestMainMenu() = default;

void TestMainMenu::fillFileMenu(QMenu *menu)
{
    addCommand(menu, tr("&Users"), QStringLiteral("users"), [this] { ++runs["users"]; }, QKeySequence(tr("Ctrl+U")));
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
