#pragma once

#include "menucommands.h"

#include "gui/mainwindow/mainmenu.h"

#include <QHash>

class QMenu;

// The main menu of this program: its own menus (Company, Driver, User, Address, Payment) between
// the shell's File and Report, and the commands of its command table in them and in the shell's
// Report and Tools menus. The widget company table has no command: a saved GUI session re-opens it.
class MainMenu : public Gui::MainMenu
{
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar *menuBar);
    ~MainMenu() override;

protected:
    void createCustomMenus() override;
    void fillReportMenu(QMenu *menu) override;
    void fillToolsMenu(QMenu *menu) override;
    // The user dialog for the session's "rst_id_owner".
    QDialog *createChangePasswordDialog() override;

private:
    // The menu of a table row; a submenu is made on its first command.
    QMenu *menuOf(CommandMenu menu);
    void addCommands(CommandMenu menu);
    // A new widget frame from the frame factory, placed as the current GUI session says.
    static void openFrame(const QString &name);

    QHash<int, QMenu *> m_menus;
};
