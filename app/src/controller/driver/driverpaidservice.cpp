#include "driverpaidservice.h"

DriverPaidService::DriverPaidService(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

DriverPaidService::~DriverPaidService() = default;

QString DriverPaidService::name() const
{
    return QStringLiteral("driverPaidService");
}
