#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/balance/companybalancetype.h"

// The balance types of companies ("cmpbt"): one list that every page shares, each type with its sign.
class CompanyBalanceType : public ClassWideController<CompanyBalanceType, Model::Orlem::CompanyBalanceType>
{
    Q_OBJECT

public:
    explicit CompanyBalanceType(QQuickItem *parent = nullptr);
    ~CompanyBalanceType() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
};
