#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/balance/companybalancelog.h"

// The balance movements of companies ("cmpbl"): rows of each instance, types named with their group.
class CompanyBalanceLog : public InstanceRowsController<Model::Orlem::CompanyBalanceLog>
{
    Q_OBJECT

public:
    explicit CompanyBalanceLog(QQuickItem *parent = nullptr);
    ~CompanyBalanceLog() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
};
