#include "pagerows.h"

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
        {"qrc:/qml/version/VersionEditor.qml", "version", PageList::Own,
         {"", "tax_min", "1.5.0", {"id", "version"}, "SELECT version FROM versions_tmp WHERE code = 'tax_min'",
          "versions_tmp", "",
          "UPDATE: Undefined error"}},
    };
    return rows;
}
