#pragma once

#include "gui/mainwindow/mainwindow.h"

class TestGlobal;
class TestMainMenu;
class TestMainToolBar;

// The main window as the application makes it, over a TestGlobal, a TestMainMenu and a
// TestMainToolBar. Its quit ends no event loop: it is counted.
class TestMainWindow : public Gui::MainWindow
{
    Q_OBJECT

public:
    TestMainWindow();
    ~TestMainWindow() override;

    TestGlobal *testGlobal() const;
    TestMainMenu *testMenu() const;
    TestMainToolBar *testToolBar() const;

    int exits = 0;

protected:
    Gui::MainMenu *createMainMenu() override;
    Gui::MainToolBar *createMainToolBar() override;
    Gui::Global *newGlobal() override;
    void exitApplication() override;
};
