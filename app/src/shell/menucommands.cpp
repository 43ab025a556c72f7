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
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver Rating Coe&fficients"), "driverRatingCoefficients",
         "qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver Raise Ra&ting"), "driverRaiseRating",
         "qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "C&rash Reports"), "crashReport",
         "qrc:/qml/crash/CrashReportTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "&Cars"), "cars", "qrc:/qml/driver/car/CarTable.qml"},
        {CommandMenu::Driver, nullptr, nullptr, nullptr},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver &Balance Transfers"), "driverBalanceTransfers",
         "qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferTable.qml"},
        {CommandMenu::Driver, QT_TRANSLATE_NOOP("MainMenu", "Driver &Paid Service Types"), "driverPaidServiceTypes",
         "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml"},
        {CommandMenu::Driver, nullptr, nullptr, nullptr},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car &Brands"), "carBrands",
         "qrc:/qml/driver/attributes/CarBrandsTable.qml"},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car B&ody Types"), "carBodyTypes",
         "qrc:/qml/driver/attributes/CarBodyTypesTable.qml"},
        {CommandMenu::DriverAttributes, QT_TRANSLATE_NOOP("MainMenu", "Car &Colors"), "carColors",
         "qrc:/qml/driver/attributes/CarColorsTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "&Users"), "users", "qrc:/qml/user/user/UserTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "User &Groups"), "userGroups",
         "qrc:/qml/user/user-group/UserGroupTable.qml"},
        {CommandMenu::User, QT_TRANSLATE_NOOP("MainMenu", "User &Sessions"), "userSessions",
         "qrc:/qml/user/user-session/UserSessionTable.qml"},
        {CommandMenu::Address, QT_TRANSLATE_NOOP("MainMenu", "&Cities"), "cities",
         "qrc:/qml/address/city/CityTable.qml"},
        {CommandMenu::Payment, QT_TRANSLATE_NOOP("MainMenu", "Payment &Systems"), "paymentSystems",
         "qrc:/qml/payment/payment-system/PaymentSystemTable.qml"},
        {CommandMenu::Payment, QT_TRANSLATE_NOOP("MainMenu", "Payment System &Logs"), "paymentSystemLogs",
         "qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml"},
        // Opened without an id: the editor finds its rows by their codes.
        {CommandMenu::Tools, QT_TRANSLATE_NOOP("MainMenu", "&Versions"), "versions",
         "qrc:/qml/version/VersionEditor.qml"},
    };
    return commands;
}
