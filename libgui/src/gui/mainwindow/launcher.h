#pragma once

#include "gui/widget/window.h"

namespace Client::Controller {
class Launcher;
}

namespace Gui {

class LineEdit;
class ListView;

// A small keyboard window that runs any command of the main menu by typing part of its name:
// the matching commands above, the filter line below, Enter runs the selected one. The commands
// are the menu's exported items, copied once when the window opens, listed by name.
class Launcher : public Window
{
    Q_OBJECT

public:
    Launcher();
    ~Launcher() override;

    ListView *list() const { return m_list; }
    LineEdit *filter() const { return m_filter; }
    Client::Controller::Launcher *controller() const { return m_controller; }

private slots:
    void onFilterKeyPressed(int key);
    void onFilterTextChanged(const QString &text);

private:
    void loadCommands();
    void buildUi();
    void runSelected();

    Client::Controller::Launcher *m_controller;
    ListView *m_list;
    LineEdit *m_filter;
};

} // namespace Gui
