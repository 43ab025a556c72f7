#include "mainmenu.h"

#include "dialog/userchangepassword.h"

#include "gui/shell/global.h"

MainMenu::MainMenu(QMenuBar *menuBar)
    : Gui::MainMenu(menuBar)
{
}

MainMenu::~MainMenu() = default;

QDialog *MainMenu::createChangePasswordDialog()
{
    return new UserChangePassword(Gui::Global::ownerId());
}
