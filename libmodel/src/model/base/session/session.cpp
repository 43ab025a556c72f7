#include "session.h"

#include <QObject>

namespace Model::Base {

Session::Session()
{
    setLimit(200);
    declareColumn("sign", SQL_TEXT, true, QVariant(), QObject::tr("Sign"), NON_UPDATABLE);
    declareColumn("dt_start", SQL_BIGINTEGER, true, 0, QObject::tr("Start date"));
    declareColumn("dt_end", SQL_BIGINTEGER, true, 0, QObject::tr("End date"));
    declareColumn("duration", SQL_BIGINTEGER, true, 0, QObject::tr("Duration"));
    declareColumn("version", SQL_TEXT, false, QVariant(), QObject::tr("Version"));
    declareColumn("os", SQL_TEXT, false, QVariant(), QObject::tr("OS name"));
    declareColumn("build_abi", SQL_TEXT, false, QVariant(), QObject::tr("Build ABI"));
    declareColumn("dt_last_sync", SQL_BIGINTEGER, true, 0, QObject::tr("Last sync time"));
    declareColumn("ip", SQL_TEXT, false, QVariant(), QObject::tr("IP"));
    declareColumn("port", SQL_INTEGER, false, QVariant(), QObject::tr("Port"));
    // 0 open; closed by 1 the client's watchdog, 2 the server's watchdog, 3 the user, 4 another
    // user, 5 the server's midnight handler, 6 hard.
    declareColumn("type_close", SQL_INTEGER, true, 0, QObject::tr("Close type"));
    declareColumn("note", SQL_TEXT, false, QVariant(), QObject::tr("Note"));
    declareDisplay("type_close_string", QObject::tr("Close type"));
    addIndex({"dt_start"});
    addIndex({"type_close"});
    addIndex({"dt_end"});
    addIndex({"dt_last_sync"});
}

} // namespace Model::Base
