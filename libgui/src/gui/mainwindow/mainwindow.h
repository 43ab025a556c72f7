#pragma once

#include "gui/core/shellwindow.h"
#include "gui/helper/windowguisettings.h"

#include <QMainWindow>
#include <QTimer>

#include <chrono>

namespace Gui {

class Global;
class MainMenu;
class MainStatusBar;
class MainToolBar;
class MainTabWidget;

namespace Private {
class GuiSessionMenu;
}

// The one top-level window of a signed-in session: the tabs of the open frames in the centre,
// the main menu, the main tool bar and the status bar. It makes GLOBAL, confirms and carries out
// the quit (the GUI session saved and closed, the server session closed) and keeps its geometry,
// current tab and tool-bar commands in the GUI session. The application supplies GLOBAL, the menu
// and the tool bar through the factory operations. GLOBAL, the GUI session and the frames below
// it reach it as a ShellWindow.
class MainWindow : public QMainWindow, public Helper::WindowGuiSettings, public ShellWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // GLOBAL made by newGlobal(), a child of the window, registered in the context.
    void createGlobal();
    // Initialises GLOBAL, then builds the menu, the status bar and the tool bar.
    virtual void setup();
    // The display name, and the current GUI session's name in parentheses.
    void updateTitle();
    // Closes the GUI session (saved when it auto-saves), waits for the save's unlock within the
    // time-out, closes the server session and ends the program.
    void quit();
    // How long the quit waits for the GUI session's save; 5 s unless set.
    void setQuitTimeout(std::chrono::milliseconds timeout);

    Global *global() const { return m_global; }
    MainMenu *mainMenu() const { return m_mainMenu; }
    MainStatusBar *mainStatusBar() const { return m_mainStatusBar; }
    MainToolBar *mainToolBar() const { return m_mainToolBar; }
    MainTabWidget *tabWidget() const { return m_tabWidget; }
    Private::GuiSessionMenu *guiSessionMenu() const;

    // {"window", "currentTabIndex", "toolBar"}.
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
    virtual MainToolBar *createMainToolBar() = 0;
    virtual MainStatusBar *createStatusBar();
    virtual Global *newGlobal() = 0;
    // The last step of the quit: ends the event loop.
    virtual void exitApplication();

    bool event(QEvent *event) override;
    // Asks first (unsaved data, then the question) unless GLOBAL asked to close.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void speedClose();

private:
    void closeSession();
    // Deletes the QML pages open in windows of their own.
    void closeWindowPages();

    // ShellWindow: the status bar, the settings part, the title and the GUI-session menu.
    MainStatusBar *windowStatusBar() const override;
    Helper::GuiSettings *windowSettings() override;
    void refreshTitle() override;
    void rebuildGuiSessionMenu() override;
    void checkGuiSession(int row, bool checked) override;

    Global *m_global = nullptr;
    MainMenu *m_mainMenu = nullptr;
    MainStatusBar *m_mainStatusBar = nullptr;
    MainToolBar *m_mainToolBar = nullptr;
    MainTabWidget *m_tabWidget;
    bool m_quitWithoutAsking = false;
    bool m_quitting = false;
    bool m_sessionClosed = false;
    QTimer m_quitTimer;
    QMetaObject::Connection m_saveAnswer;
};

} // namespace Gui
