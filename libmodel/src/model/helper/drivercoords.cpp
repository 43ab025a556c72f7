#include "drivercoords.h"

#include "model/base/abstractmodel.h"

#include <QObject>

namespace Model::Helper {

DriverCoords::DriverCoords(AbstractModel *model)
{
    const struct
    {
        const char *name;
        QString title;
    } columns[] = {
        {"lat", QObject::tr("Latitude")}, {"lon", QObject::tr("Longitude")}, {"alt", QObject::tr("Altitude")},
        {"lat_lv", QString()},           {"lon_lv", QString()},              {"alt_lv", QString()},
    };
    for (const auto &column : columns)
        model->declareColumn(QLatin1String(column.name), SQL_DOUBLE, true, 0.0, column.title, NON_UPDATABLE);
    for (const auto &column : columns)
        model->addIndex({QLatin1String(column.name)});
}

} // namespace Model::Helper
