#include "driverbalancetransfer.h"

DriverBalanceTransfer::DriverBalanceTransfer(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

DriverBalanceTransfer::~DriverBalanceTransfer() = default;

QString DriverBalanceTransfer::name() const
{
    return QStringLiteral("driverBalanceTransfer");
}
