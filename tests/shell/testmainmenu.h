#pragma once

#include "gui/mainwindow/mainmenu.h"

#include <functional>

// The main menu as the application makes it, for tests: a menu of its own, an entry of its own in
// File, in Report and in Tools, and the shell's change-password dialog for the signed-in user.
class TestMainMenu : public Gui::MainMenu
{
    Q_OBJECT

public:
    explicit TestMainMenu(QMenuBar *menuBar);
    ~TestMainMenu() override;

    // Counts the runs of the application's entries, by command id.
    QHash<QString, int> runs;

protected:
    void createCustomMenus() override;
    void fillFileMenu(QMenu *menu) override;
    void fillReportMenu(QMenu *menu) override;
    void fillToolsMenu(QMenu *menu) override;
    QDialog *createChangePasswordDialog() override;
};
