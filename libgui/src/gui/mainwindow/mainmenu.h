#pragma once

#include <QKeySequence>
#include <QMenu>
#include <QObject>

class QAction;
class QDialog;
class QMenuBar;

namespace Gui {

namespace Private {
class GuiSessionMenu;
}

// Fills the main window's menu bar: File (the application's entries, Change Password, the GUI
// session submenu, Exit), the application's own menus, Report, Tools and Help. Then it exports the
// whole menu tree into GLOBAL's tool-bar list: the catalogue of commands that the tool bar, the
// launcher and the Customize dialog pick from, each command being a menu action found again by
// its object name.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar *menuBar);
    ~MainMenu() override;

    // Builds the menus and exports them; once, from the main window's set-up.
    void build();
    // Appends the rows of one menu: the menu's own, then one per plain action.
    void exportMenu(QMenu *menu);

    QMenuBar *menuBar() const { return m_menuBar; }
    Private::GuiSessionMenu *guiSessionMenu() const { return m_guiSessionMenu; }

    // The text of an action without its mnemonic marks, as lists and buttons show it.
    static QString plainText(const QString &text);

public slots:
    // Lets the user choose the tool bar's commands; applied when accepted.
    void onCustomize();

protected:
    // The application's own menus, placed between File and Report.
    virtual void createCustomMenus();
    virtual void fillFileMenu(QMenu *menu);
    virtual void fillReportMenu(QMenu *menu);
    virtual void fillToolsMenu(QMenu *menu);
    // The signed-in user's change-password dialog.
    virtual QDialog *createChangePasswordDialog() = 0;
    virtual QDialog *createOptionsDialog();

    // A menu entry whose object name is its command id.
    template<typename Slot>
    QAction *addCommand(QMenu *menu, const QString &text, const QString &commandId, Slot slot,
                        const QKeySequence &shortcut = QKeySequence());

private slots:
    void onChangePassword();
    void onExit();

private:
    void buildFileMenu();
    void buildToolsMenu();
    void buildHelpMenu();
    void exportMenus();
    void checkForUpdates(bool latest);
    void openDownloadPage();

    Private::GuiSessionMenu *m_guiSessionMenu = nullptr;
    QMenuBar *m_menuBar;
    int m_nextRowId = 1;
};

template<typename Slot>
QAction *MainMenu::addCommand(QMenu *menu, const QString &text, const QString &commandId, Slot slot,
                              const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text, this, slot, shortcut);
    action->setObjectName(commandId);
    return action;
}

} // namespace Gui
