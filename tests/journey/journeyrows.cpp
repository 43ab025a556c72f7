#include "journeyrows.h"

const QVector<JourneyRow> &journeyRows()
{
    static const QVector<JourneyRow> rows{
        {"companies", "qrc:/qml/company/company/CompanyTable.qml", PageList::Own,
         "qrc:/qml/company/company/CompanyEditor.qml", "SELECT id FROM companies WHERE company_name = 'Taxi Lviv'"},
        {"terminalCompanies", "qrc:/qml/company/terminal-company/TerminalCompanyTable.qml", PageList::Own,
         "qrc:/qml/company/terminal-company/TerminalCompanyEditor.qml", "", "SELECT id FROM terminal_companies WHERE sign = 'kiosk-7'"},
        {"drivers", "qrc:/qml/driver/driver/DriverTable.qml", PageList::Shared,
         "qrc:/qml/driver/driver/DriverEditor.qml"},
        {"driversArchive", "qrc:/qml/driver/driver/DriverArchiveTable.qml", PageList::Own},
        {"driverGroups", "qrc:/qml/driver/driver-group/DriverGroupTable.qml", PageList::Shared,
         "qrc:/qml/driver/driver-group/DriverGroupEditor.qml"},
        {"driverSessions", "qrc:/qml/driver/driver-session/DriverSessionTable.qml", PageList::Own},
        {"crashReport", "qrc:/qml/crash/CrashReportTable.qml", PageList::Own},
        {"cars", "qrc:/qml/driver/car/CarTable.qml", PageList::Own, "qrc:/qml/driver/car/CarEditor.qml"},
        {"carBrands", "qrc:/qml/driver/attributes/CarBrandsTable.qml", PageList::Shared},
        {"carBodyTypes", "qrc:/qml/driver/attributes/CarBodyTypesTable.qml", PageList::Shared},
        {"carColors", "qrc:/qml/driver/attributes/CarColorsTable.qml", PageList::Shared},
        {"cities", "qrc:/qml/address/city/CityTable.qml", PageList::Shared, "qrc:/qml/address/city/CityEditor.qml", "",
         "SELECT id FROM cities WHERE name = 'Lviv'"},
        // An editor opened straight from the menu.
        {"versions", "qrc:/qml/version/VersionEditor.qml", PageList::None, "qrc:/qml/version/VersionEditor.qml"},
        {"smsControl", "qrc:/qml/sms/SmsTable.qml", PageList::Own, "qrc:/qml/sms/SmsEditor.qml"},
        {"notificationType", "qrc:/qml/notification/NotificationTypeTable.qml", PageList::Shared,
         "qrc:/qml/notification/NotificationTypeEditor.qml"},
        {"bell", "qrc:/qml/notification/NotificationTable.qml", PageList::Shared,
         "qrc:/qml/notification/NotificationEditor-norvik.qml",
         "SELECT n.id FROM notifications n JOIN users u ON u.id = n.rst_id_owner WHERE u.sign = 'admin'", "", true},
    };
    return rows;
}

QStringList journeySeed()
{
    QStringList seed = pageSeed();
    seed << "INSERT INTO cities (name, coords_vertex) VALUES ('Lviv', '49.8 24.0')"
         << "INSERT INTO terminal_companies (sign, blocked, inner_note, dt_utc_insert, dt_utc_last_update)"
            " VALUES ('kiosk-7', 0, 'Mall', 1, 1)";
    return seed;
}

const PageRow *savableEditor(const QString &editorUrl)
{
    for (const PageRow &row : pageRows()) {
        if (row.url == editorUrl && row.isEditor())
            return &row;
    }
    return nullptr;
}
