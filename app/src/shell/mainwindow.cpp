#include "mainwindow.h"

#include "global.h"

#include "gui/mainwindow/mainmenu.h"

#include <QMenuBar>

MainWindow::MainWindow(QWidget *parent)
    : Gui::MainWindow(parent)
{
    setWindowTitle(QStringLiteral("Koriv Admin"));
}

MainWindow::~MainWindow() = default;

Gui::MainMenu *MainWindow::createMainMenu()
{
    return new Gui::MainMenu(menuBar());
}

Gui::Global *MainWindow::newGlobal()
{
    return new Global;
}
