#include "mainmenu.h"

#include "dialog/userchangepassword.h"

#include "gui/core/context.h"
#include "gui/core/hub.h"
#include "gui/frame/frame.h"
#include "gui/frame/framecreators.h"
#include "gui/shell/global.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *menuBar)
    : Gui::MainMenu(menuBar)
{
}

MainMenu::~MainMenu() = default;

void MainMenu::createCustomMenus()
{
    m_menus.insert(int(CommandMenu::Company), menuBar()->addMenu(tr("&Company")));
    m_menus.insert(int(CommandMenu::Driver), menuBar()->addMenu(tr("&Driver")));
    m_menus.insert(int(CommandMenu::User), menuBar()->addMenu(tr("&User")));
    m_menus.insert(int(CommandMenu::Address), menuBar()->addMenu(tr("&Address")));
    m_menus.insert(int(CommandMenu::Payment), menuBar()->addMenu(tr("&Payment")));
    for (CommandMenu menu : {CommandMenu::Company, CommandMenu::Driver, CommandMenu::DriverAttributes,
                             CommandMenu::User, CommandMenu::Address, CommandMenu::Payment})
        addCommands(menu);
}

void MainMenu::fillReportMenu(QMenu *menu)
{
    m_menus.insert(int(CommandMenu::Report), menu);
    addCommands(CommandMenu::Report);
}

void MainMenu::fillToolsMenu(QMenu *menu)
{
    m_menus.insert(int(CommandMenu::Tools), menu);
    addCommands(CommandMenu::Tools);
}

QDialog *MainMenu::createChangePasswordDialog()
{
    return new UserChangePassword(Gui::Global::ownerId());
}

void MainMenu::openFrame(const QString &name)
{
    Gui::Hub *hub = Gui::Context::hub();
    Gui::FrameCreators *creators = hub ? hub->frameFactory() : nullptr;
    if (Gui::Frame *frame = creators ? creators->create(name) : nullptr)
        Gui::Context::showFrame(frame);
}

QMenu *MainMenu::menuOf(CommandMenu menu)
{
    QMenu *found = m_menus.value(int(menu));
    if (!found && menu == CommandMenu::DriverAttributes) {
        found = menuOf(CommandMenu::Driver)->addMenu(tr("Attr&ibutes"));
        m_menus.insert(int(menu), found);
    }
    return found;
}

void MainMenu::addCommands(CommandMenu menu)
{
    for (const MenuCommand &command : menuCommands()) {
        if (command.menu != menu)
            continue;
        QMenu *target = menuOf(menu);
        if (!command.text) {
            target->addSeparator();
            continue;
        }
        const QString text = QCoreApplication::translate("MainMenu", command.text);
        const QString id = QString::fromLatin1(command.objectName);
        if (command.frame) {
            const QString name = QString::fromLatin1(command.frame);
            addCommand(target, text, id, [name] { openFrame(name); });
        } else {
            const QString url = QString::fromLatin1(command.url);
            addCommand(target, text, id, [url] { Gui::Context::createQmlFrame(url); });
        }
    }
}
