#include "driverbalancetype.h"

#include "balancerows.h"

DriverBalanceType::DriverBalanceType(QQuickItem *parent)
    : ClassWideController(parent)
{
}

DriverBalanceType::~DriverBalanceType() = default;

QString DriverBalanceType::name() const
{
    return QStringLiteral("dbt");
}

void DriverBalanceType::prepareRow(QVariantMap &row)
{
    BalanceRows::prepareType(row);
}
