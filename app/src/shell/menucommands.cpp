#include "menucommands.h"

#include <QtGlobal>

const QVector<MenuCommand> &menuCommands()
{
    static const QVector<MenuCommand> commands{
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "C&rash Reports"), "crashReport",
         "qrc:/qml/crash/CrashReportTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "&Users"), "users", "qrc:/qml/user/user/UserTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "User &Groups"), "userGroups",
         "qrc:/qml/user/user-group/UserGroupTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "User &Sessions"), "userSessions",
         "qrc:/qml/user/user-session/UserSessionTable.qml"},
        {CommandMenu::Address, QT_TRANSLATE_NOOP("MainMenu", "&Cities"), "cities",
         "qrc:/qml/address/city/CityTable.qml"},
        // Opened without an id: the editor finds its rows by their codes.
        {CommandMenu::Tools, QT_TRANSLATE_NOOP("MainMenu", "&Versions"), "versions",
         "qrc:/qml/version/VersionEditor.qml"},
    };
    return commands;
}
