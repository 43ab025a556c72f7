#include "pagerows.h"

const QVector<PageRow> &pageRows()
{
    static const QVector<PageRow> rows{
        {"qrc:/qml/address/city/CityTable.qml", "city", PageList::Shared, {}},
        {"qrc:/qml/address/city/CityEditor.qml", "city", PageList::None,
         {"INSERT INTO cities (name, coords_vertex) VALUES ('Lviv', '49.8 24.0') RETURNING id", "name", "Lemberg",
          {"id", "name", "coords_vertex"}, "SELECT name FROM cities WHERE id = ?", "210",
          "UPDATE: Untitled error for controller city"}},
        {"qrc:/qml/crash/CrashReportTable.qml", "crashReport", PageList::Own, {}},
        {"qrc:/qml/sms/SmsTable.qml", "sms", PageList::Own, {}},
        {"qrc:/qml/sms/SmsEditor.qml", "sms", PageList::None,
         {"SELECT min(id) FROM sms WHERE id > 1", "name", "Archived driver", {"id", "name", "value", "use"},
          "SELECT name FROM sms WHERE id = ?", "200", "UPDATE: Untitled error for controller sms"}},
        {"qrc:/qml/version/VersionEditor.qml", "version", PageList::Own,
         {"", "tax_min", "1.5.0", {"id", "version"}, "SELECT version FROM versions_tmp WHERE code = 'tax_min'", "",
          "UPDATE: Undefined error"}},
    };
    return rows;
}
