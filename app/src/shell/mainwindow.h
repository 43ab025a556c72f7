#pragma once

#include "gui/mainwindow/mainwindow.h"

// The window that sign-in opens: the shell's main window over the application's GLOBAL.
class MainWindow : public Gui::MainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

protected:
    Gui::MainMenu *createMainMenu() override;
    Gui::MainToolBar *createMainToolBar() override;
    Gui::Global *newGlobal() override;
};
