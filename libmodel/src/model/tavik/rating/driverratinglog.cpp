#include "driverratinglog.h"

#include <QObject>

namespace Model::Tavik {

DriverRatingLog::DriverRatingLog()
{
    declareAttached("sign", "drivers", "sign", QObject::tr("Sign"));
}

} // namespace Model::Tavik
