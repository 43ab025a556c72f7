#pragma once

#include "gui/helper/windowguisettings.h"

#include <QMainWindow>

namespace Gui {

class Global;
class MainMenu;
class MainStatusBar;
class MainTabWidget;

namespace Private {
class GuiSessionMenu;
}

// The one top-level window of a signed-in session: the tabs of the open frames in the centre,
// the main menu and the status bar. It makes GLOBAL, confirms and carries out the quit (the GUI
// session closed, the server session closed) and keeps its geometry and current tab in the GUI
// session. The application supplies GLOBAL and the menu through the factory operations.
class MainWindow : public QMainWindow, public Helper::WindowGuiSettings
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // GLOBAL made by newGlobal(), a child of the window, registered in the context.
    void createGlobal();
    // Initialises GLOBAL, then builds the menu and the status bar.
    virtual void setup();
    // The display name, and the current GUI session's name in parentheses.
    void updateTitle();
    // Closes the GUI session and the server session and ends the program.
    void quit();

    Global *global() const { return m_global; }
    MainMenu *mainMenu() const { return m_mainMenu; }
    MainStatusBar *mainStatusBar() const { return m_mainStatusBar; }
    MainTabWidget *tabWidget() const { return m_tabWidget; }
    Private::GuiSessionMenu *guiSessionMenu() const;

    // {"window", "currentTabIndex"}.
    void loadSettings(const QVariantMap &settings) override;
    QVariantMap saveSettings() const override;

    using QMainWindow::resize;
    Q_INVOKABLE void activate();
    Q_INVOKABLE void requestActivate();
    Q_INVOKABLE void resize(int width, int height);
    Q_INVOKABLE bool maximized() const;
    Q_INVOKABLE void setMaximized();

signals:
    void activated();
    void closing();
    void currentTabChanged(int index);

protected:
    virtual MainMenu *createMainMenu() = 0;
    virtual MainStatusBar *createStatusBar();
    virtual Global *newGlobal() = 0;

    bool event(QEvent *event) override;
    // Asks first (unsaved data, then the question) unless GLOBAL asked to close.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void speedClose();

private:
    Global *m_global = nullptr;
    MainMenu *m_mainMenu = nullptr;
    MainStatusBar *m_mainStatusBar = nullptr;
    MainTabWidget *m_tabWidget;
    bool m_quitWithoutAsking = false;
};

} // namespace Gui
