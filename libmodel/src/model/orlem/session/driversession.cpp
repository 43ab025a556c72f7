#include "driversession.h"

#include <QObject>

namespace Model::Orlem {

DriverSession::DriverSession()
{
    setLimit(500);
    declareReference("rst_id_owner", "drivers", QString(), NON_UPDATABLE);
    declareReference("rst_id_group", "driver_groups", QString(), NON_UPDATABLE);
    declareAttached("group_name", "driver_groups", "name", QObject::tr("Group"));
}

} // namespace Model::Orlem
