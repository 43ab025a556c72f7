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
        {"qrc:/qml/user/user/UserTable.qml", "user", PageList::Shared, {}},
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
         {"UPDATE user_groups SET utc_offset = 570 WHERE name = 'Operators' RETURNING id", "description", "Night shift",
          {"id", "name", "utc_offset", "description"}, "SELECT description FROM user_groups WHERE id = ?", "user_groups",
          "", "UPDATE: Undefined error"}},
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
    };
    return rows;
}
