#include "media.h"

#include <QObject>

namespace Model::Base {

Media::Media()
{
    declareReference("rst_id_driver", "drivers", QString());
    declareReference("rst_id_car", "cars", QString(), NON_UPDATABLE);
    declareColumn("tag", SQL_TEXT, true, "n/a", QObject::tr("Tag"), NON_UPDATABLE);
    declareColumn("data", SQL_TEXT, true, "n/a", QObject::tr("Data"), NON_UPDATABLE);
    declareColumn("uuid", SQL_TEXT, true, "n/a", QObject::tr("Uuid"), NON_UPDATABLE | IS_UUID);
    declareColumn("approved", SQL_INTEGER, true, 0, QObject::tr("Approved"));
    addIndex({"uuid"});
}

} // namespace Model::Base
