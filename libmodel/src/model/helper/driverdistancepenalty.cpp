#include "driverdistancepenalty.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverDistancePenalty::DriverDistancePenalty(AbstractModel *model)
{
    model->declareColumn(QStringLiteral("override_group_distance_penalty"), SQL_INTEGER, true, 0,
                         QObject::tr("Override group"));
    model->declareColumn(QStringLiteral("enabled_distance_penalty"), SQL_INTEGER, true, 0,
                         QObject::tr("Enable distance penalty"));
    model->declareColumn(QStringLiteral("distance_penalty"), SQL_TEXT, true, QStringLiteral("1=0"),
                         QObject::tr("Distance penalty"));
    model->declareColumn(QStringLiteral("cancel_per_day"), SQL_INTEGER, true, 0, QObject::tr("Cancel per day"));
    model->addIndex({QStringLiteral("override_group_distance_penalty")});
    model->addIndex({QStringLiteral("enabled_distance_penalty")});
}

} // namespace Model::Helper
