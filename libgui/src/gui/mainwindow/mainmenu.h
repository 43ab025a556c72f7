#pragma once

#include <QObject>

class QMenu;
class QMenuBar;

namespace Gui {

namespace Private {
class GuiSessionMenu;
}

// Fills the main window's menu bar. The File menu carries the application's entries, the GUI
// session submenu and Exit.
class MainMenu : public QObject
{
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar *menuBar);
    ~MainMenu() override;

    // Builds the menus; once, from the main window's set-up.
    virtual void build();

    QMenuBar *menuBar() const { return m_menuBar; }
    Private::GuiSessionMenu *guiSessionMenu() const { return m_guiSessionMenu; }

protected:
    // The application's entries at the top of the File menu.
    virtual void fillFileMenu(QMenu *menu);

private slots:
    void onExit();

private:
    Private::GuiSessionMenu *m_guiSessionMenu = nullptr;
    QMenuBar *m_menuBar;
};

} // namespace Gui
