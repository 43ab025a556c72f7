#include "drivergroup.h"

DriverGroup::DriverGroup(QQuickItem *parent)
    : ClassWideController(parent)
{
}

DriverGroup::~DriverGroup() = default;

QString DriverGroup::name() const
{
    return QStringLiteral("driverGroup");
}
