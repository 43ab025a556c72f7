#include "manyrows.h"

namespace {

// Now in the platform's milliseconds, minus g seconds: today's rows, one apart from the next.
const char *const Recent = "(extract(epoch FROM now()) * 1000)::bigint - g * 1000";

const char *const Statements[] = {
    "INSERT INTO cities (name) SELECT 'City ' || g FROM generate_series(1, %1) g",
    "INSERT INTO companies (sign, uuid_company, company_name, dt_utc_insert, dt_utc_last_update)"
    " SELECT 'cmp-' || g, md5('cmp-' || g), 'Company ' || g, %2, %2 FROM generate_series(1, %1) g",
    "INSERT INTO terminal_companies (sign, inner_note, blocked, dt_utc_insert, dt_utc_last_update)"
    " SELECT 'term-' || g, 'Kiosk ' || g, 0, %2, %2 FROM generate_series(1, %1) g",
    "INSERT INTO crash_reports (rst_id_driver, db, dt_utc_insert, dt_utc_last_update)"
    " SELECT d.id, 'crash ' || g, %2, %2 FROM drivers d, generate_series(1, %1) g WHERE d.sign = 'pg-345'",
    "INSERT INTO sms (name, code, value) SELECT 'Message ' || g, 'message-' || g, 'Text ' || g"
    " FROM generate_series(1, %1) g",
    "INSERT INTO users (sign, last_name, rst_id_group) SELECT 'desk-' || g, 'Desk ' || g, u.rst_id_group"
    " FROM users u, generate_series(1, %1) g WHERE u.sign = 'admin'",
    "INSERT INTO user_gui_sessions (rst_id_owner, name, value, note, dt_utc_insert, dt_utc_last_update)"
    " SELECT u.id, 'Desk ' || g, '{}', 'note ' || g, %2, %2 FROM users u, generate_series(1, %1) g"
    " WHERE u.sign = 'admin'",
    "INSERT INTO user_sessions (sign, rst_id_owner, rst_id_group, dt_start, dt_end, version, os, ip,"
    " dt_utc_insert, dt_utc_last_update) SELECT u.sign, u.id, u.rst_id_group, %2, %2 + 60000, '1.0.' || g,"
    " 'Linux', '10.0.0.' || g, %2, %2 FROM users u, generate_series(1, %1) g WHERE u.sign = 'admin'",
    "INSERT INTO user_groups (name, description) SELECT 'Shift ' || g, 'shift ' || g FROM generate_series(1, %1) g",
    "INSERT INTO drivers (sign, last_name, phone, is_archived, dt_utc_insert, dt_utc_last_update)"
    " SELECT 'drv-' || g, 'Driver ' || g, '+38050' || (1000000 + g), 0, %2, %2 FROM generate_series(1, %1) g",
    "INSERT INTO drivers (sign, last_name, is_archived, dt_utc_insert, dt_utc_last_update)"
    " SELECT 'old-' || g, 'Retired ' || g, 1, %2, %2 FROM generate_series(1, %1) g",
    // The table's own driver (none chosen) and the driver of the editors.
    "INSERT INTO driver_rating_logs (rst_id_driver, rating, average_rating, delta, note, is_system, dt_utc_insert,"
    " dt_utc_last_update) SELECT d.id, 4.5, 4.4, 0.1, 'trip ' || g, g % 2, %2, %2"
    " FROM drivers d, generate_series(1, %1) g WHERE d.id = 1 OR d.sign = 'pg-345'",
    "INSERT INTO driver_groups (name, description) SELECT 'Fleet ' || g, 'fleet ' || g FROM generate_series(1, %1) g",
    "INSERT INTO company_balance_logs (rst_id_owner, value, balance, note, trn_key, dt_utc_insert, dt_utc_last_update)"
    " SELECT c.id, g, 100 + g, 'top-up ' || g, 'cmp-trn-' || g, %2, %2 FROM companies c, generate_series(1, %1) g"
    " WHERE c.company_name = 'Taxi Lviv'",
    "INSERT INTO driver_balance_logs (rst_id_owner, value, balance, note, trn_key, dt_utc_insert, dt_utc_last_update)"
    " SELECT d.id, g, 100 + g, 'top-up ' || g, 'drv-trn-' || g, %2, %2 FROM drivers d, generate_series(1, %1) g"
    " WHERE d.sign = 'pg-345'",
    "INSERT INTO driver_sessions (sign, rst_id_owner, rst_id_group, dt_start, dt_end, version, os, ip, dt_utc_insert,"
    " dt_utc_last_update) SELECT d.sign, d.id, d.rst_id_group, %2, %2 + 60000, '2.0.' || g, 'Android', '10.1.0.' || g,"
    " %2, %2 FROM drivers d, generate_series(1, %1) g WHERE d.sign = 'pg-345'",
    "INSERT INTO cars (rst_id_driver, uuid, identifier, model, year, place_amount, dt_utc_insert, dt_utc_last_update)"
    " SELECT d.id, md5('BB ' || g), 'BB ' || g, 'Model ' || g, 2000 + g, 4, %2, %2"
    " FROM drivers d, generate_series(1, %1) g WHERE d.sign = 'pg-345'",
    "INSERT INTO car_body_types (name, code, order_index) SELECT 'Body ' || g, 'body-' || g, 100 + g"
    " FROM generate_series(1, %1) g",
    "INSERT INTO car_colors (name, code, rgb_code, order_index) SELECT 'Colour ' || g, 'colour-' || g,"
    " '#' || lpad(to_hex(g * 4000), 6, '0'), 100 + g FROM generate_series(1, %1) g",
    "WITH m AS (INSERT INTO notification_messages (rst_id_nt, context, value, dt_utc_insert, dt_utc_last_update)"
    " SELECT t.id, 'driver.update', '{\"data\": {\"id\": \"2\"}}', %2, %2 FROM notification_types t,"
    " generate_series(1, %1) g WHERE t.code = 'driver.update.request' RETURNING id, rst_id_nt)"
    " INSERT INTO notifications (rst_id_nt, rst_id_nm, rst_id_owner, dt_utc_insert, dt_utc_last_update)"
    " SELECT m.rst_id_nt, m.id, u.id, 1000, 1000 FROM m, users u WHERE u.sign = 'admin'",
    "INSERT INTO notification_types (code, enabled) SELECT 'pages.kind.' || g, 1 FROM generate_series(1, %1) g",
    "INSERT INTO payment_systems (uuid, name, code, enabled) SELECT 'ps-' || g, 'System ' || g, 'system-' || g, 1"
    " FROM generate_series(1, %1) g",
    "INSERT INTO payment_systems_drivers_payments_logs (rst_id_company, rst_id_payment_system, rst_id_owner, sign,"
    " amount, trn_key, dt_utc_insert, dt_utc_last_update) SELECT c.id, p.id, d.id, d.sign, g, 'pay-' || g, %2, %2"
    " FROM companies c, payment_systems p, drivers d, generate_series(1, %1) g"
    " WHERE c.sign = 'taxi-lviv' AND p.code = 'fondy' AND d.sign = 'pg-345'",
    "INSERT INTO driver_rating_coefficients (name, code, description, sequence, value)"
    " SELECT 'Coefficient ' || g, 'coefficient-' || g, 'weight ' || g, 10 + g, g / 10.0 FROM generate_series(1, %1) g",
    "INSERT INTO paid_service_type_driver (name, price, enabled, rst_id_bt, rst_id_company, dt_utc_insert,"
    " dt_utc_last_update) SELECT 'Service ' || g, g, 1, 15, c.id, %2, %2 FROM companies c, generate_series(1, %1) g"
    " WHERE c.sign = 'pages-taxi'",
    "INSERT INTO driver_balance_transfers (rst_id_owner_contributor, rst_id_owner_acceptor, sign_contributor,"
    " sign_acceptor, trn_key, amount_credit, dt_utc_insert, dt_utc_last_update) SELECT a.id, b.id, a.sign, b.sign,"
    " 'transfer-' || g, g, %2, %2 FROM drivers a, drivers b, generate_series(1, %1) g"
    " WHERE a.sign = 'pg-345' AND b.sign = 'pg-330'",
    "INSERT INTO payment_systems_company_accounts (uuid, rst_id_company, rst_id_payment_system, public_key, enabled,"
    " currency, weight, dt_utc_insert, dt_utc_last_update) SELECT 'acc-' || g, c.id, p.id, 'pk-' || g, 1, 'UAH', g,"
    " %2, %2 FROM companies c, payment_systems p, generate_series(1, %1) g"
    " WHERE c.sign = 'pages-taxi' AND p.code = 'fondy'",
    // Options of the first option group, with values of the catalogue's user and of its group.
    "INSERT INTO security_options (rst_id_sot, is_visible, option_name, code, data_type, description)"
    " SELECT t.id, 1, 'Extra option ' || g, 'pages.extra' || g, 'bool', 'extra ' || g FROM generate_series(1, %1) g,"
    " (SELECT t.id FROM security_option_types t JOIN security_option_groups s ON s.id = t.rst_id_sog"
    " WHERE t.id > 1 ORDER BY s.group_name LIMIT 1) t",
    "INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using)"
    " SELECT u.id, o.id, '1', 1 FROM users u, security_options o WHERE u.sign = 'operator' AND o.code LIKE 'pages.extra%'",
    "INSERT INTO user_group_security_options (rst_id_group, rst_id_so, option_value)"
    " SELECT u.rst_id_group, o.id, '1' FROM users u, security_options o"
    " WHERE u.sign = 'operator' AND o.code LIKE 'pages.extra%'",
    // The editors' driver with each new type, the editors' paid service type with each new driver.
    "INSERT INTO paid_driver_services (rst_id_owner, rst_id_pst, enabled, dt_utc_insert, dt_utc_last_update)"
    " SELECT d.id, t.id, 1, 1000, 1000 FROM drivers d, paid_service_type_driver t"
    " WHERE d.sign = 'pg-345' AND t.name LIKE 'Service %'",
    "INSERT INTO paid_driver_services (rst_id_owner, rst_id_pst, enabled, dt_utc_insert, dt_utc_last_update)"
    " SELECT d.id, t.id, 1, 1000, 1000 FROM drivers d, paid_service_type_driver t"
    " WHERE d.sign LIKE 'drv-%' AND t.name = 'Parking'",
};

QString filled(const char *text, int count)
{
    return QString::fromLatin1(text)
        .replace(QLatin1String("%1"), QString::number(count))
        .replace(QLatin1String("%2"), QLatin1String(Recent));
}

} // namespace

QStringList manyRowsSeed(int count)
{
    QStringList seed;
    for (const char *text : Statements)
        seed.append(filled(text, count));
    return seed;
}
