#include "companybalancetype.h"

#include "balancerows.h"

CompanyBalanceType::CompanyBalanceType(QQuickItem *parent)
    : ClassWideController(parent)
{
}

CompanyBalanceType::~CompanyBalanceType() = default;

QString CompanyBalanceType::name() const
{
    return QStringLiteral("cmpbt");
}

void CompanyBalanceType::prepareRow(QVariantMap &row)
{
    BalanceRows::prepareType(row);
}
