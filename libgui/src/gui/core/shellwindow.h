#pragma once

namespace Gui {

class MainStatusBar;

namespace Helper {
class GuiSettings;
}

// What the hubs and the frames ask of the main window, which sits above them: its status bar,
// its own settings in a GUI session, its title and its GUI-session menu. The main window
// implements it; the parts below reach it through Context::shellWindow().
class ShellWindow
{
public:
    virtual ~ShellWindow() = default;

    virtual MainStatusBar *windowStatusBar() const = 0;
    // The window's settings part: its settings name and map in a GUI session.
    virtual Helper::GuiSettings *windowSettings() = 0;
    // The title follows the current GUI session's name.
    virtual void refreshTitle() = 0;
    // The GUI-session menu built again from the user's list; the item of a list row (un)checked.
    virtual void rebuildGuiSessionMenu() = 0;
    virtual void checkGuiSession(int row, bool checked) = 0;
};

} // namespace Gui
