#include "journeyrows.h"

#include "shell/menucommands.h"

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
        {"driverRatingCoefficients", "qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientTable.qml",
         PageList::Own, "qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientEditor.qml"},
        {"driverRaiseRating", "qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml", PageList::None,
         "qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml"},
        {"crashReport", "qrc:/qml/crash/CrashReportTable.qml", PageList::Own},
        {"cars", "qrc:/qml/driver/car/CarTable.qml", PageList::Own, "qrc:/qml/driver/car/CarEditor.qml"},
        {"driverBalanceTransfers", "qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferTable.qml",
         PageList::Own, "qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferEditor.qml",
         "SELECT id FROM driver_balance_transfers WHERE trn_key = 'journey-transfer'"},
        {"driverPaidServiceTypes", "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml",
         PageList::Shared, "qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml"},
        {"carBrands", "qrc:/qml/driver/attributes/CarBrandsTable.qml", PageList::Shared},
        {"carBodyTypes", "qrc:/qml/driver/attributes/CarBodyTypesTable.qml", PageList::Shared},
        {"carColors", "qrc:/qml/driver/attributes/CarColorsTable.qml", PageList::Shared},
        {"cities", "qrc:/qml/address/city/CityTable.qml", PageList::Shared, "qrc:/qml/address/city/CityEditor.qml", "",
         "SELECT id FROM cities WHERE name = 'Lviv'"},
        {"paymentSystems", "qrc:/qml/payment/payment-system/PaymentSystemTable.qml", PageList::Own,
         "qrc:/qml/payment/payment-system/PaymentSystemEditor.qml"},
        {"paymentSystemLogs", "qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml", PageList::Own,
         "qrc:/qml/payment/payment-system-log/PaymentSystemLogEditor.qml",
         "SELECT id FROM payment_systems_drivers_payments_logs WHERE trn_key = 'journey-payment'"},
        // An editor opened straight from the menu.
        {"versions", "qrc:/qml/version/VersionEditor.qml", PageList::None, "qrc:/qml/version/VersionEditor.qml"},
        {"smsControl", "qrc:/qml/sms/SmsTable.qml", PageList::Own, "qrc:/qml/sms/SmsEditor.qml"},
        {"notificationType", "qrc:/qml/notification/NotificationTypeTable.qml", PageList::Shared,
         "qrc:/qml/notification/NotificationTypeEditor.qml"},
        {"bell", "qrc:/qml/notification/NotificationTable.qml", PageList::Shared,
         "qrc:/qml/notification/NotificationEditor-norvik.qml",
         "SELECT n.id FROM notifications n JOIN users u ON u.id = n.rst_id_owner WHERE u.sign = 'admin'", "", "", "",
         "", true},
        {"users", "qrc:/qml/user/user/UserTable.qml", PageList::Shared, "qrc:/qml/user/user/UserEditor.qml", "",
         "SELECT id FROM users WHERE sign = 'clerk'"},
        {"userGroups", "qrc:/qml/user/user-group/UserGroupTable.qml", PageList::Shared,
         "qrc:/qml/user/user-group/UserGroupEditor.qml", "", "SELECT rst_id_group FROM users WHERE sign = 'operator'"},
        {"userSessions", "qrc:/qml/user/user-session/UserSessionTable.qml", PageList::Own,
         "qrc:/qml/user/user-session/UserSessionEditor.qml"},
        {"guiSessionNew", "qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml", PageList::None, "", "", "", "name",
         "Journey desk", "SELECT count(*) FROM user_gui_sessions WHERE name = 'Journey desk'", false, true},
    };
    return rows;
}

QStringList reportCommands()
{
    QStringList names;
    for (const MenuCommand &command : menuCommands()) {
        if (command.text && !command.url)
            names.append(QString::fromLatin1(command.objectName));
    }
    return names;
}

QStringList journeySeed()
{
    QStringList seed = pageSeed();
    seed << "INSERT INTO users (sign, rst_id_group, utc_offset, first_name, last_name) SELECT 'clerk', id, 345,"
            " 'Halyna', 'Shevchuk' FROM user_groups WHERE code = 'admin' ORDER BY id LIMIT 1"
         << "INSERT INTO cities (name, coords_vertex) VALUES ('Lviv', '49.8 24.0'), ('Odesa', '46.5 30.7')"
         << "INSERT INTO terminal_companies (sign, blocked, inner_note, dt_utc_insert, dt_utc_last_update)"
            " VALUES ('kiosk-7', 0, 'Mall', 1, 1)"
         // A driver of a car company with a branded car, for the brand reports.
         << "UPDATE cars SET rst_id_car_brands = (SELECT min(id) FROM car_brands WHERE id > 1)"
            " WHERE identifier = 'AA 1234'"
         << "UPDATE drivers SET rst_id_car = (SELECT id FROM cars WHERE identifier = 'AA 1234'),"
            " rst_id_car_company = (SELECT id FROM companies WHERE sign = 'taxi-lviv') WHERE sign = 'pg-345'"
         // Today's, so that the tables' default period shows them.
         << "INSERT INTO driver_balance_transfers (rst_id_owner_contributor, rst_id_owner_acceptor, trn_key,"
            " dt_utc_insert, dt_utc_last_update) SELECT a.id, b.id, 'journey-transfer', t.now, t.now"
            " FROM drivers a, drivers b, (SELECT (extract(epoch FROM now()) * 1000)::bigint AS now) t"
            " WHERE a.sign = 'pg-345' AND b.sign = 'pg-330'"
         << "INSERT INTO payment_systems_drivers_payments_logs (rst_id_company, rst_id_payment_system, sign, amount,"
            " trn_key, dt_utc_insert, dt_utc_last_update) SELECT c.id, p.id, 'pg-345', 10, 'journey-payment', t.now,"
            " t.now FROM companies c, payment_systems p, (SELECT (extract(epoch FROM now()) * 1000)::bigint AS now) t"
            " WHERE c.sign = 'taxi-lviv' AND p.code = 'fondy'";
    return seed;
}

QStringList longListSeed()
{
    return {"INSERT INTO drivers (sign, last_name, phone, dt_utc_insert, dt_utc_last_update)"
            " SELECT 'fleet-' || g, 'Fleet ' || g, '+38067' || (1000000 + g), 1000, 1000 FROM generate_series(1, 300) g"};
}

const PageRow *savableEditor(const QString &editorUrl)
{
    for (const PageRow &row : pageRows()) {
        if (row.url == editorUrl && row.isEditor())
            return &row;
    }
    return nullptr;
}
