#include "menucommands.h"

#include <QtGlobal>

const QVector<MenuCommand> &menuCommands()
{
    static const QVector<MenuCommand> commands{
        {CommandMenu::Company, QT_TRANSLATE_NOOP("MainMenu", "&Companies"), "companies",
         "qrc:/qml/company/company/CompanyTable.qml"},
        {CommandMenu::Company, QT_TRANSLATE_NOOP("MainMenu", "&Terminal Companies"), "terminalCompanies",
         "qrc:/qml/company/terminal-company/TerminalCompanyTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "&Drivers"), "drivers",
         "qrc:/qml/driver/driver/DriverTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Drivers In &Archive"), "driversArchive",
         "qrc:/qml/driver/driver/DriverArchiveTable.qml"},
        {CommandMenu::Driver, nullptr, nullptr, nullptr},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver &Groups"), "driverGroups",
         "qrc:/qml/driver/driver-group/DriverGroupTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver &Sessions"), "driverSessions",
         "qrc:/qml/driver/driver-session/DriverSessionTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "C&rash Reports"), "crashReport",
         "qrc:/qml/crash/CrashReportTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "&Cars"), "cars", "qrc:/qml/driver/car/CarTable.qml"},
        {CommandMenu::Driver, nullptr, nullptr, nullptr},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car &Brands"), "carBrands",
         "qrc:/qml/driver/attributes/CarBrandsTable.qml"},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car B&ody Types"), "carBodyTypes",
         "qrc:/qml/driver/attributes/CarBodyTypesTable.qml"},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car &Colors"), "carColors",
         "qrc:/qml/driver/attributes/CarColorsTable.qml"},
        {CommandMenu::Address, QT_TRANSLATE_NOOP("MainMenu", "&Cities"), "cities",
         "qrc:/qml/address/city/CityTable.qml"},
        // Opened without an id: the editor finds its rows by their codes.
        {CommandMenu::Tools, QT_TRANSLATE_NOOP("MainMenu", "&Versions"), "versions",
         "qrc:/qml/version/VersionEditor.qml"},
        {CommandMenu::Report, QT_TRANSLATE_NOOP("MainMenu", "&Driver Report"), "driverReport", nullptr,
         "driverReport"},
        {CommandMenu::Report, QT_TRANSLATE_NOOP("MainMenu", "Driver &Balance Report"), "driverBalanceReport", nullptr,
         "driverBalanceReport"},
        {CommandMenu::Report, QT_TRANSLATE_NOOP("MainMenu", "Driver &Session Report"), "driverSessionReport", nullptr,
         "driverSessionReport"},
        {CommandMenu::Report, nullptr, nullptr, nullptr},
        {CommandMenu::Report, QT_TRANSLATE_NOOP("MainMenu", "B&rand Report"), "brandReport", nullptr, "brandReport"},
        {CommandMenu::Report, QT_TRANSLATE_NOOP("MainMenu", "Brand &Payment Report"), "brandPaymentReport", nullptr,
         "brandPaymentReport"},
    };
    return commands;
}
