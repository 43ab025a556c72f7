#include "crashreport.h"

#include <QObject>

namespace Model::Orlem {

CrashReport::CrashReport()
{
    declareReference("rst_id_driver", "drivers", QString());
    // Fetched for one row on demand, never with the list.
    declareColumn("db", SQL_TEXT, false, QVariant(), QString(), NON_UPDATABLE | HIDDEN);
    declareAttached("sign", "drivers", "sign", QObject::tr("Sign"));
    declareAttached("first_name", "drivers", "first_name", QObject::tr("First name"));
    declareAttached("middle_name", "drivers", "middle_name", QObject::tr("Middle name"));
    declareAttached("last_name", "drivers", "last_name", QObject::tr("Last name"));
}

} // namespace Model::Orlem
