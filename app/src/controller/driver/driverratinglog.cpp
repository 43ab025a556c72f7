#include "driverratinglog.h"

DriverRatingLog::DriverRatingLog(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

DriverRatingLog::~DriverRatingLog() = default;

QString DriverRatingLog::name() const
{
    return QStringLiteral("driverRatingLog");
}
