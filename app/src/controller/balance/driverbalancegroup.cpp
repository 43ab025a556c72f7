#include "driverbalancegroup.h"

DriverBalanceGroup::DriverBalanceGroup(QQuickItem *parent)
    : ClassWideController(parent)
{
}

DriverBalanceGroup::~DriverBalanceGroup() = default;

QString DriverBalanceGroup::name() const
{
    return QStringLiteral("dbg");
}
