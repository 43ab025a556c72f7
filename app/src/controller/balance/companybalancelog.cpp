#include "companybalancelog.h"

#include "balancerows.h"

CompanyBalanceLog::CompanyBalanceLog(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

CompanyBalanceLog::~CompanyBalanceLog() = default;

QString CompanyBalanceLog::name() const
{
    return QStringLiteral("cmpbl");
}

void CompanyBalanceLog::prepareRow(QVariantMap &row)
{
    BalanceRows::prepareLog(row);
}
