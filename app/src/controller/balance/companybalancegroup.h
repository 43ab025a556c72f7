#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/balance/companybalancegroup.h"

// The balance groups of companies ("cmpbg"): one list that every page shares.
class CompanyBalanceGroup : public ClassWideController<CompanyBalanceGroup, Model::Orlem::CompanyBalanceGroup>
{
    Q_OBJECT

public:
    explicit CompanyBalanceGroup(QQuickItem *parent = nullptr);
    ~CompanyBalanceGroup() override;

    QString name() const override;
};
