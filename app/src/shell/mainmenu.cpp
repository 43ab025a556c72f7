#include "mainmenu.h"

MainMenu::MainMenu(QMenuBar *menuBar)
    : Gui::MainMenu(menuBar)
{
}

MainMenu::~MainMenu() = default;

QDialog *MainMenu::createChangePasswordDialog()
{
    return nullptr;
}
