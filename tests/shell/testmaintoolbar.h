#pragma once

#include "gui/mainwindow/maintoolbar.h"

// The main tool bar as the application makes it, for tests: two default commands.
class TestMainToolBar : public Gui::MainToolBar
{
    Q_OBJECT

public:
    QStringList defaultCommandIds() const override;

    int builds = 0;

protected:
    void afterBuild() override;
};
