#include "testmainwindow.h"

#include "testglobal.h"
#include "testmainmenu.h"
#include "testmaintoolbar.h"

#include <QMenuBar>

TestMainWindow::TestMainWindow() = default;

TestMainWindow::~TestMainWindow() = default;

TestGlobal *TestMainWindow::testGlobal() const
{
    return static_cast<TestGlobal *>(global());
}

TestMainMenu *TestMainWindow::testMenu() const
{
    return static_cast<TestMainMenu *>(mainMenu());
}

TestMainToolBar *TestMainWindow::testToolBar() const
{
    return static_cast<TestMainToolBar *>(mainToolBar());
}

Gui::MainMenu *TestMainWindow::createMainMenu()
{
    return new TestMainMenu(menuBar());
}

Gui::MainToolBar *TestMainWindow::createMainToolBar()
{
    return new TestMainToolBar;
}

void TestMainWindow::exitApplication()
{
    ++exits;
}

Gui::Global *TestMainWindow::newGlobal()
{
    return new TestGlobal;
}
