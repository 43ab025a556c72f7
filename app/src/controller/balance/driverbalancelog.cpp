#include "driverbalancelog.h"

#include "balancerows.h"

DriverBalanceLog::DriverBalanceLog(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

DriverBalanceLog::~DriverBalanceLog() = default;

QString DriverBalanceLog::name() const
{
    return QStringLiteral("dbl");
}

void DriverBalanceLog::prepareRow(QVariantMap &row)
{
    BalanceRows::prepareLog(row);
}
