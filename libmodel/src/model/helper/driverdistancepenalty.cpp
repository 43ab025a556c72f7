#include "driverdistancepenalty.h"

#include "drivergroupdistancepenalty.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverDistancePenalty::DriverDistancePenalty(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_distance_penalty"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group"));
    model->addIndex({QStringLiteral("override_group_distance_penalty")});
    // The rule itself is the group's.
    const DriverGroupDistancePenalty rule(model);
}

} // namespace Model::Helper
