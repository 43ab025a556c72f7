#pragma once

#include "gui/mainwindow/mainwindow.h"

class TestGlobal;

// The main window as the application makes it, over a TestGlobal and the shell's own menu.
class TestMainWindow : public Gui::MainWindow
{
    Q_OBJECT

public:
    TestMainWindow();
    ~TestMainWindow() override;

    TestGlobal *testGlobal() const;

protected:
    Gui::MainMenu *createMainMenu() override;
    Gui::Global *newGlobal() override;
};
