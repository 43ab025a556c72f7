#include "companybalancegroup.h"

CompanyBalanceGroup::CompanyBalanceGroup(QQuickItem *parent)
    : ClassWideController(parent)
{
}

CompanyBalanceGroup::~CompanyBalanceGroup() = default;

QString CompanyBalanceGroup::name() const
{
    return QStringLiteral("cmpbg");
}
