#include "testmainwindow.h"

#include "testglobal.h"

#include "gui/mainwindow/mainmenu.h"

#include <QMenuBar>

TestMainWindow::TestMainWindow() = default;

TestMainWindow::~TestMainWindow() = default;

TestGlobal *TestMainWindow::testGlobal() const
{
    return static_cast<TestGlobal *>(global());
}

Gui::MainMenu *TestMainWindow::createMainMenu()
{
    return new Gui::MainMenu(menuBar());
}

Gui::Global *TestMainWindow::newGlobal()
{
    return new TestGlobal;
}
