#include "pagerows.h"

const QVector<PageRow> &pageRows()
{
    static const QVector<PageRow> rows{
        {"qrc:/qml/address/city/CityTable.qml", "city", PageList::Shared, {}},
        {"qrc:/qml/address/city/CityEditor.qml", "city", PageList::None,
         {"INSERT INTO cities (name, coords_vertex) VALUES ('Lviv', '49.8 24.0') RETURNING id", "name", "Lemberg",
          {"id", "name", "coords_vertex"}, "SELECT name FROM cities WHERE id = ?", "cities", "210",
          "UPDATE: Untitled error for controller city"}},
        {"qrc:/qml/crash/CrashReportTable.qml", "crashReport", PageList::Own, {}},
        {"qrc:/qml/sms/SmsTable.qml", "sms", PageList::Own, {}},
        {"qrc:/qml/sms/SmsEditor.qml", "sms", PageList::None,
         {"SELECT min(id) FROM sms WHERE id > 1", "name", "Archived driver", {"id", "name", "value", "use"},
          "SELECT name FROM sms WHERE id = ?", "sms", "200", "UPDATE: Untitled error for controller sms"}},
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
          "SELECT sign FROM drivers WHERE id = ?", "252", "UPDATE: Sign already exist in db",
          "SELECT utc_offset FROM drivers WHERE id = ?", "345"}},
        {"qrc:/qml/driver/driver/essentials/DriverRatingLogTable.qml", "driverRatingLog", PageList::Own, {}},
        {"qrc:/qml/driver/driver-group/DriverGroupTable.qml", "driverGroup", PageList::Shared, {}},
        {"qrc:/qml/driver/driver-group/DriverGroupEditor.qml", "driverGroup", PageList::None,
         {"SELECT id FROM driver_groups WHERE name = 'Kathmandu'", "name", "Nepal",
          {"id", "name", "description", "utc_offset", "enabled_low_balance", "low_balance",
           "enabled_additional_payment", "additional_percent", "additional_abs", "enabled_distance_penalty",
           "distance_penalty", "cancel_per_day"},
          "SELECT name FROM driver_groups WHERE id = ?", "251", "UPDATE: Group name already exist in db",
          "SELECT utc_offset FROM driver_groups WHERE id = ?", "345"}},
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
    };
}
