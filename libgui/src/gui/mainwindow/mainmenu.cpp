#include "mainmenu.h"

#include "guisessionmenu.h"
#include "mainwindow.h"

#include "gui/core/context.h"

#include <QMenuBar>

namespace Gui {

MainMenu::MainMenu(QMenuBar *menuBar)
    : m_menuBar(menuBar)
{
}

MainMenu::~MainMenu() = default;

void MainMenu::build()
{
    QMenu *file = m_menuBar->addMenu(tr("File"));
    fillFileMenu(file);
    file->addSeparator();
    m_guiSessionMenu = new Private::GuiSessionMenu(file);
    file->addMenu(m_guiSessionMenu);
    file->addSeparator();
    QAction *exit = file->addAction(tr("Exit"), this, &MainMenu::onExit, QKeySequence(tr("Ctrl+Q")));
    exit->setObjectName(QStringLiteral("quit"));
}

void MainMenu::fillFileMenu(QMenu *)
{
}

void MainMenu::onExit()
{
    if (MainWindow *window = Context::mainWindow())
        window->close();
}

} // namespace Gui
