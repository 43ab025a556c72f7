#pragma once

#include "gui/mainwindow/mainmenu.h"

// The main menu of this program: the shell's menus (File, Report, Tools, Help) so far; the
// program's own menus and entries come with the pages they open.
class MainMenu : public Gui::MainMenu
{
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar *menuBar);
    ~MainMenu() override;

protected:
    // The user dialog for the session's "rst_id_owner".
    QDialog *createChangePasswordDialog() override;
};
