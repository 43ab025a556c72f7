#pragma once

#include <QVector>

// The menus of the main menu that carry the program's commands.
enum class CommandMenu { Company, Driver, DriverAttributes, User, Address, Payment, Report, Tools };

// One command of the main menu: the page it opens (by URL) or the widget frame it opens (by its
// name in the frame factory), under its menu, with its text (translated in the context
// "MainMenu") and its object name (the command id of the tool bar). A row without a text is a
// separator.
struct MenuCommand
{
    CommandMenu menu;
    const char *text;
    const char *objectName;
    const char *url;
    const char *frame = nullptr;
};

// Every command, in menu order.
const QVector<MenuCommand> &menuCommands();
