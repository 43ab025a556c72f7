#pragma once

#include "gui/mainwindow/maintoolbar.h"

// The main window's tool bar with this program's commands for a new user: Users, Drivers and
// the Launcher.
class MainToolBar : public Gui::MainToolBar
{
    Q_OBJECT

public:
    MainToolBar();
    ~MainToolBar() override;

    QStringList defaultCommandIds() const override;
};
