#include "pagerows.h"

namespace {

const char *const DriverEditorUrl = "qrc:/qml/driver/driver/DriverEditor.qml";

} // namespace

const QVector<PageRow> &pageRows()
{
    static const QVector<PageRow> rows{
        {"qrc:/qml/address/city/CityTable.qml", "city", PageList::Shared, {}},
        {"qrc:/qml/address/city/CityEditor.qml", "city", PageList::None,
         {"INSERT INTO cities (name, coords_vertex) VALUES ('Lviv', '49.8 24.0') RETURNING id", "name", "Lemberg",
          {"id", "name", "coords_vertex"}, "SELECT name FROM cities WHERE id = ?", "cities", "210",
          "UPDATE: Untitled error for controller city"}},
        {"qrc:/qml/company/company/CompanyTable.qml", "company", PageList::Own, {}},
        // Read-only: it never sends a change (the company flows check its tabs).
        {"qrc:/qml/company/company/CompanyEditor.qml", "company", PageList::None, {}},
        {"qrc:/qml/company/terminal-company/TerminalCompanyTable.qml", "terminalCmp", PageList::Own, {}},
        {"qrc:/qml/company/terminal-company/TerminalCompanyEditor.qml", "terminalCmp", PageList::None,
         {"INSERT INTO terminal_companies (sign, blocked, inner_note, dt_utc_insert, dt_utc_last_update)"
          " VALUES ('kiosk-7', 0, 'Mall', 1, 1) RETURNING id",
          "sign", "kiosk-8", {"id", "sign", "blocked", "inner_note"},
          "SELECT sign FROM terminal_companies WHERE id = ?", "terminal_companies", "252",
          "UPDATE: Sign already exist in db"}},
        {"qrc:/qml/crash/CrashReportTable.qml", "crashReport", PageList::Own, {}},
        {"qrc:/qml/sms/SmsTable.qml", "sms", PageList::Own, {}},
        {"qrc:/qml/sms/SmsEditor.qml", "sms", PageList::None,
         {"SELECT min(id) FROM sms WHERE id > 1", "name", "Archived driver", {"id", "name", "value", "use"},
          "SELECT name FROM sms WHERE id = ?", "sms", "200", "UPDATE: Untitled error for controller sms"}},
        // The user list holds no placeholder.
        {"qrc:/qml/user/user/UserTable.qml", "user", PageList::Shared, {}, "SELECT count(*) FROM users WHERE id > 1"},
        {"qrc:/qml/user/user/security-options/UserSecurityOptions.qml", "uso", PageList::Own, {}, {},
         {"qrc:/qml/user/user/UserEditor.qml", "SELECT id FROM users WHERE sign = 'operator'", "securityOptionsTab"}},
        {"qrc:/qml/user/user-gui-session/UserGuiSessionTable.qml", "userGuiSession", PageList::Own, {}, {},
         {"qrc:/qml/user/user/UserEditor.qml", "SELECT id FROM users WHERE sign = 'admin'", "guiSessionsTab"}},
        {"qrc:/qml/user/user-session/UserSessionContainer.qml", "userSession", PageList::Own, {}, {},
         {"qrc:/qml/user/user/UserEditor.qml", "SELECT id FROM users WHERE sign = 'admin'", "sessionsTab"}},
        {"qrc:/qml/user/user-group/security-options/UserGroupSecurityOptions.qml", "ugso", PageList::Own, {}, {},
         {"qrc:/qml/user/user-group/UserGroupEditor.qml", "SELECT rst_id_group FROM users WHERE sign = 'operator'",
          "securityOptionsTab"}},
        {"qrc:/qml/user/user/UserEditor.qml", "user", PageList::None,
         {"INSERT INTO users (sign, rst_id_group, utc_offset) SELECT 'clerk', id, 345 FROM user_groups "
          "WHERE code = 'admin' ORDER BY id LIMIT 1 RETURNING id",
          "sign", "desk clerk",
          {"id", "rst_id_group", "sign", "first_name", "last_name", "middle_name", "phone", "blocked",
           "override_group_low_balance", "enabled_low_balance", "low_balance", "inner_note", "max_sim_calls",
           "use_utc_offset", "utc_offset"},
          "SELECT sign FROM users WHERE id = ?", "users", "252", "UPDATE: Sign already exist in db"}},
        {"qrc:/qml/user/user-group/UserGroupTable.qml", "ug", PageList::Shared, {}},
        {"qrc:/qml/user/user-group/UserGroupEditor.qml", "ug", PageList::None,
         {"UPDATE user_groups SET utc_offset = 570 WHERE id = (SELECT rst_id_group FROM users WHERE sign = 'operator') "
          "RETURNING id", "name", "Night operators",
          {"id", "name", "utc_offset", "description"}, "SELECT name FROM user_groups WHERE id = ?", "user_groups",
          "200", "UPDATE: Untitled error for controller ug"}},
        {"qrc:/qml/user/user-gui-session/UserGuiSessionEditor.qml", "userGuiSession", PageList::None,
         {"INSERT INTO user_gui_sessions (rst_id_owner, name, value, note) SELECT id, 'Morning', '{}', 'desk' "
          "FROM users WHERE sign = 'admin' RETURNING id",
          "name", "Evening", {"id", "rst_id_owner", "name", "value", "note", "auto_save"},
          "SELECT name FROM user_gui_sessions WHERE id = ?", "user_gui_sessions", "",
          "UPDATE: Undefined error"}},
        {"qrc:/qml/user/user-session/UserSessionTable.qml", "userSession", PageList::Own, {}},
        {"qrc:/qml/user/user-session/UserSessionEditor.qml", "userSession", PageList::None,
         {"SELECT max(id) FROM user_sessions", "sign", "admin at the desk", {"id", "sign"},
          "SELECT sign FROM user_sessions WHERE id = ?", "user_sessions", "",
          "UPDATE: Undefined error"}},
        {"qrc:/qml/version/VersionEditor.qml", "version", PageList::Own,
         {"", "tax_min", "1.5.0", {"id", "version"}, "SELECT version FROM versions_tmp WHERE code = 'tax_min'",
          "versions_tmp", "",
          "UPDATE: Undefined error"}},
        {"qrc:/qml/driver/driver/DriverTable.qml", "driver", PageList::Shared, {},
         "SELECT count(*) FROM drivers WHERE id > 1 AND is_archived = 0"},
        {"qrc:/qml/driver/driver/DriverArchiveTable.qml", "driver", PageList::Own, {}},
        // Offsets of a quarter and a half hour: an unchanged save must send them as stored.
        {"qrc:/qml/driver/driver/DriverEditor.qml", "driver", PageList::None,
         {"SELECT id FROM drivers WHERE sign = 'pg-345'", "sign", "pg-346",
          {"id", "rst_id_city", "rst_id_group", "system_note", "sign", "first_name", "last_name", "middle_name",
           "phone", "phone2", "rating", "is_automatic_archive", "is_order_receiving_priority", "blocked",
           "use_utc_offset", "utc_offset", "override_group_low_balance", "enabled_low_balance", "low_balance",
           "inner_note", "override_group_additinal_payment", "enabled_additional_payment", "additional_percent",
           "additional_abs", "override_duty_amount", "duty_amount", "override_duty_amount_temp", "duty_amount_temp",
           "override_group_distance_penalty", "enabled_distance_penalty", "distance_penalty", "cancel_per_day"},
          "SELECT sign FROM drivers WHERE id = ?", "drivers", "252", "UPDATE: Sign already exist in db",
          "SELECT utc_offset FROM drivers WHERE id = ?", "345"}},
        {"qrc:/qml/driver/driver/essentials/DriverRatingLogTable.qml", "driverRatingLog", PageList::Own, {}},
        {"qrc:/qml/driver/driver-group/DriverGroupTable.qml", "driverGroup", PageList::Shared, {}},
        {"qrc:/qml/driver/driver-group/DriverGroupEditor.qml", "driverGroup", PageList::None,
         {"SELECT id FROM driver_groups WHERE name = 'Kathmandu'", "name", "Nepal",
          {"id", "name", "description", "utc_offset", "enabled_low_balance", "low_balance",
           "enabled_additional_payment", "additional_percent", "additional_abs", "enabled_distance_penalty",
           "distance_penalty", "cancel_per_day"},
          "SELECT name FROM driver_groups WHERE id = ?", "driver_groups", "251", "UPDATE: Group name already exist in db",
          "SELECT utc_offset FROM driver_groups WHERE id = ?", "345"}},
        {"qrc:/qml/company/company/balance/CompanyBalanceTable.qml", "cmpbl", PageList::Own, {}, {},
         {"qrc:/qml/company/company/CompanyEditor.qml", "SELECT id FROM companies WHERE company_name = 'Taxi Lviv'",
          "balanceTab"}},
        {"qrc:/qml/driver/driver/balance/DriverBalanceTable.qml", "dbl", PageList::Own, {}, {},
         {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "balanceTab"}},
        {"qrc:/qml/driver/driver/photo/DriverPhoto.qml", "media", PageList::Own, {}, {},
         {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "photoTab"}},
        {"qrc:/qml/driver/driver/photo/DriverPhotoViewer.qml", "media", PageList::None, {}},
        {"qrc:/qml/driver/driver-session/DriverSessionTable.qml", "driverSession", PageList::Own, {}},
        {"qrc:/qml/driver/driver-session/DriverSessionContainer.qml", "driverSession", PageList::Own, {}, {},
         {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "sessionsTab"}},
        {"qrc:/qml/driver/car/CarTable.qml", "car", PageList::Own, {}},
        {"qrc:/qml/driver/car/CarContainer.qml", "car", PageList::Own, {}, {},
         {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "carsTab"}},
        // A stored car's driver is never sent.
        {"qrc:/qml/driver/car/CarEditor.qml", "car", PageList::None,
         {"SELECT id FROM cars WHERE identifier = 'AA 1234'", "identifier", "AA 4321",
          {"id", "rst_id_body_types", "rst_id_car_brands", "rst_id_car_colors", "identifier", "model", "year",
           "place_amount"},
          "SELECT identifier FROM cars WHERE id = ?", "cars", "", "UPDATE: Undefined error",
          "SELECT d.last_name FROM cars c JOIN drivers d ON d.id = c.rst_id_driver WHERE c.id = ?", "Thapa"}},
        {"qrc:/qml/driver/car/CarEssentials.qml", "car", PageList::None, {}, {},
         {"qrc:/qml/driver/car/CarEditor.qml", "SELECT id FROM cars WHERE identifier = 'AA 1234'", "essentialsTab"}},
        {"qrc:/qml/driver/attributes/CarBrandsTable.qml", "carBrands", PageList::Shared, {},
         "SELECT count(*) FROM car_brands WHERE id > 1"},
        {"qrc:/qml/driver/attributes/CarBodyTypesTable.qml", "carBodyTypes", PageList::Shared, {},
         "SELECT count(*) FROM car_body_types WHERE id > 1"},
        {"qrc:/qml/driver/attributes/CarColorsTable.qml", "carColors", PageList::Shared, {},
         "SELECT count(*) FROM car_colors WHERE id > 1"},
    };
    return rows;
}

QStringList pageSeed()
{
    return {
        "INSERT INTO driver_groups (name, utc_offset, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('Kathmandu', 345, 1000, 1000)",
        "INSERT INTO drivers (sign, last_name, utc_offset, use_utc_offset, rst_id_group, dt_utc_insert,"
        " dt_utc_last_update) SELECT 'pg-345', 'Thapa', 345, 1, id, 1000, 1000 FROM driver_groups"
        " WHERE name = 'Kathmandu'",
        "INSERT INTO drivers (sign, last_name, utc_offset, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('pg-330', 'Rao', 330, 1000, 1000)",
        "INSERT INTO drivers (sign, last_name, is_archived, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('pg-old', 'Gone', 1, 1000, 1000)",
        "INSERT INTO companies (sign, uuid_company, company_name) VALUES ('taxi-lviv', md5('Taxi Lviv'), 'Taxi Lviv')",
        "INSERT INTO cars (rst_id_driver, uuid, identifier, model, year, place_amount, dt_utc_insert,"
        " dt_utc_last_update) SELECT id, md5('AA 1234'), 'AA 1234', 'Corolla', 2015, 4, 1000, 1000 FROM drivers"
        " WHERE sign = 'pg-345'",
    };
}
