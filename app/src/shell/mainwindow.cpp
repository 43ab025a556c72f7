#include "mainwindow.h"

#include "global.h"
#include "mainmenu.h"
#include "maintoolbar.h"

#include <QMenuBar>

MainWindow::MainWindow(QWidget *parent)
    : Gui::MainWindow(parent)
{
    setWindowTitle(QStringLiteral("Koriv Admin"));
}

MainWindow::~MainWindow() = default;

Gui::MainMenu *MainWindow::createMainMenu()
{
    return new MainMenu(menuBar());
}

Gui::MainToolBar *MainWindow::createMainToolBar()
{
    return new MainToolBar;
}

Gui::Global *MainWindow::newGlobal()
{
    return new Global;
}
