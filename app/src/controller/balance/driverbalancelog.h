#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/balance/driverbalancelog.h"

// The balance movements of drivers ("dbl"): rows of each instance, types named with their group.
class DriverBalanceLog : public InstanceRowsController<Model::Base::DriverBalanceLog>
{
    Q_OBJECT

public:
    explicit DriverBalanceLog(QQuickItem *parent = nullptr);
    ~DriverBalanceLog() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
};
