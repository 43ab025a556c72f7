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
          "sign", "desk-clerk",
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
        {"qrc:/qml/notification/NotificationTable.qml", "notification", PageList::Shared, {},
         "SELECT count(*) FROM notifications WHERE rst_id_owner = (SELECT id FROM users WHERE sign = 'admin')"},
        {"qrc:/qml/notification/NotificationEditor-norvik.qml", "notification", PageList::None, {}},
        {"qrc:/qml/notification/NotificationTypeTable.qml", "notificationType", PageList::Shared, {},
         "SELECT count(*) FROM notification_types WHERE id > 1"},
        {"qrc:/qml/notification/NotificationTypeEditor.qml", "notificationType", PageList::None,
         {"SELECT id FROM notification_types WHERE code = 'driver.unarchive.info'", "enabled", "0",
          {"id", "enabled", "groups", "users"}, "SELECT enabled FROM notification_types WHERE id = ?",
          "notification_types", "", "UPDATE: Undefined error"}},
        {"qrc:/qml/payment/payment-system/PaymentSystemTable.qml", "paymentSystem", PageList::Own, {}},
        // The credentials go back as they were read.
        {"qrc:/qml/payment/payment-system/PaymentSystemEditor.qml", "paymentSystem", PageList::None,
         {"SELECT id FROM payment_systems WHERE code = 'fondy'", "login", "merchant-2",
          {"id", "name", "code", "login", "password", "fondy_credit_key", "incoming_commiss", "outgoing_commiss",
           "http_checkout_address", "enabled", "server_url", "result_url", "api_url"},
          "SELECT login FROM payment_systems WHERE id = ?", "payment_systems", "", "UPDATE: Undefined error",
          "SELECT fondy_credit_key FROM payment_systems WHERE id = ?", "credit-secret"}},
        {"qrc:/qml/payment/payment-system-account/PaymentSystemAccountEditor.qml", "paymentSysAccComp",
         PageList::None,
         {"SELECT id FROM payment_systems_company_accounts WHERE public_key = 'pk-pages'", "public_key", "pk-pages-2",
          {"id", "rst_id_company", "rst_id_payment_system", "enabled", "is_sandbox", "save_client_data", "public_key",
           "private_key", "def_payment_value", "currency", "client_lang", "weight", "fee_payment_system_percent",
           "fee_payment_system_abs", "fee_nt_percent", "fee_nt_abs", "payee", "bank", "edrpou", "mfo", "account",
           "payment_details", "nds", "inner_note", "subprovider_id"},
          "SELECT public_key FROM payment_systems_company_accounts WHERE id = ?", "payment_systems_company_accounts",
          "", "UPDATE: Undefined error",
          "SELECT private_key FROM payment_systems_company_accounts WHERE id = ?", "private-secret"}},
        {"qrc:/qml/payment/payment-system-log/PaymentSystemLogTable.qml", "paymentSysDriversPaymentsLog",
         PageList::Own, {}},
        {"qrc:/qml/payment/payment-system-log/PaymentSystemLogEditor.qml", "paymentSysDriversPaymentsLog",
         PageList::None, {}},
        {"qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientTable.qml", "driverRatingCoefficient",
         PageList::Own, {}},
        {"qrc:/qml/driver/driver-rating-coefficient/DriverRatingCoefficientEditor.qml", "driverRatingCoefficient",
         PageList::None,
         {"SELECT id FROM driver_rating_coefficients WHERE code = 'completed_orders'", "value", "0.25",
          {"id", "sequence", "value"}, "SELECT value FROM driver_rating_coefficients WHERE id = ?",
          "driver_rating_coefficients", "", "UPDATE: Undefined error"}},
        // Opened without an id: it reads its record by code; the cost goes out inside the JSON value.
        {"qrc:/qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml", "value", PageList::Own,
         {"", "common_cost", "12.5", {"id", "code", "value"},
          "SELECT value::json->'cost'->>'common' FROM values WHERE code = 'raise_rating_cost'", "values", "",
          "UPDATE: Undefined error", "", "", {"value"}}},
        {"qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml", "driverPaidServiceType",
         PageList::Shared, {}},
        {"qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml", "driverPaidServiceType",
         PageList::None,
         {"SELECT id FROM paid_service_type_driver WHERE name = 'Parking'", "name", "Parking lot",
          {"id", "rst_id_bt", "rst_id_company", "name", "price", "enabled", "inner_note"},
          "SELECT name FROM paid_service_type_driver WHERE id = ?", "paid_service_type_driver", "250",
          "UPDATE: Name is not unique", "SELECT rst_id_bt FROM paid_service_type_driver WHERE id = ?", "15"}},
        {"qrc:/qml/driver/driver-paid-service/DriverPaidServiceEditor.qml", "driverPaidService", PageList::None, {}},
        {"qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferTable.qml", "driverBalanceTransfer",
         PageList::Own, {}},
        {"qrc:/qml/driver/driver-balance-transfer/DriverBalanceTransferEditor.qml", "driverBalanceTransfer",
         PageList::None, {}},
        // The payment and paid service pages that show only as editor tabs.
        {"qrc:/qml/payment/payment-system-account/PaymentSystemAccountContainer.qml", "paymentSysAccComp",
         PageList::Own, {}, {},
         {"qrc:/qml/company/company/CompanyEditor.qml", "SELECT id FROM companies WHERE sign = 'pages-taxi'",
          "accountsTab"}},
        {"qrc:/qml/payment/payment-system-log/PaymentSystemLogContainer.qml", "paymentSysDriversPaymentsLog",
         PageList::Own, {}, {}, {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "paymentsLogTab"}},
        {"qrc:/qml/driver/driver-paid-service/DriverPaidServiceContainer.qml", "driverPaidService", PageList::Own, {},
         {}, {DriverEditorUrl, "SELECT id FROM drivers WHERE sign = 'pg-345'", "paidServicesTab"}},
        {"qrc:/qml/driver/driver-paid-service/DriverPaidServiceContainer.qml", "driverPaidService", PageList::Own, {},
         {}, {"qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml",
              "SELECT id FROM paid_service_type_driver WHERE name = 'Parking'", "paidServicesTab"}},
        {"qrc:/qml/driver/driver-paid-service-type/essentials/DriverPaidServiceTypeEssentials.qml",
         "driverPaidServiceType", PageList::None, {}, {},
         {"qrc:/qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml",
          "SELECT id FROM paid_service_type_driver WHERE name = 'Parking'", "essentialsTab"}},
    };
    return rows;
}

QString pageTag(const PageRow &row)
{
    const QString page = row.url.section('/', -1);
    return row.isTab() ? page + QStringLiteral(" in ") + row.host.editorUrl.section('/', -1) : page;
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
        "INSERT INTO notification_messages (rst_id_nt, context, value, dt_utc_insert, dt_utc_last_update)"
        " SELECT id, 'driver.update', '{\"data\": {\"id\": \"2\"}}', 1000, 1000 FROM notification_types"
        " WHERE code = 'driver.update.request'",
        "INSERT INTO notifications (rst_id_nt, rst_id_nm, rst_id_owner, dt_utc_insert, dt_utc_last_update)"
        " SELECT m.rst_id_nt, m.id, u.id, 1000, 1000 FROM notification_messages m, users u"
        " WHERE u.sign = 'admin' AND m.context = 'driver.update'",
        "INSERT INTO companies (company_name, sign, uuid_company, dt_utc_insert, dt_utc_last_update)"
        " VALUES ('Pages Taxi', 'pages-taxi', 'c-pages', 1000, 1000)",
        "INSERT INTO payment_systems (uuid, name, code, login, password, fondy_credit_key, incoming_commiss,"
        " outgoing_commiss, enabled, api_url, http_checkout_address, server_url, result_url, dt_utc_insert,"
        " dt_utc_last_update) VALUES ('ps-pages', 'Fondy', 'fondy', 'merchant', 'pass-secret', 'credit-secret', 1.5,"
        " 2.5, 1, 'https://pay.fondy.eu/api', '', 'https://merchant.example.com/status',"
        " 'https://merchant.example.com/done', 1000, 1000)",
        "INSERT INTO payment_systems_company_accounts (uuid, rst_id_company, rst_id_payment_system, public_key,"
        " private_key, enabled, currency, weight, fee_payment_system_percent, fee_payment_system_abs, fee_nt_percent,"
        " fee_nt_abs, def_payment_value, client_lang, save_client_data, is_sandbox, payee, bank, edrpou, mfo, account,"
        " payment_details, nds, inner_note, subprovider_id, dt_utc_insert, dt_utc_last_update)"
        " SELECT 'acc-pages', c.id, p.id, 'pk-pages', 'private-secret', 1, 'UAH', 50, 1.5, 0.5, 2.5, 0.25, 100.5, 'uk',"
        " 1, 0, 'Pages Taxi LLC', 'First Bank', '12345678', '300001', 'UA001', 'Taxi fare', 20.5, 'main account', 7,"
        " 1000, 1000 FROM companies c, payment_systems p WHERE c.sign = 'pages-taxi' AND p.code = 'fondy'",
        "INSERT INTO paid_service_type_driver (rst_id_bt, rst_id_company, name, price, enabled, inner_note,"
        " dt_utc_insert, dt_utc_last_update) SELECT 15, id, 'Parking', 12.5, 1, 'night parking', 1000, 1000"
        " FROM companies WHERE sign = 'pages-taxi'",
    };
}
