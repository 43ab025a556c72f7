#pragma once

#include "controller/classwidecontroller.h"
#include "model/base/balance/driverbalancetype.h"

// The balance types of drivers ("dbt"): one list that every page shares, each type with its sign.
class DriverBalanceType : public ClassWideController<DriverBalanceType, Model::Base::DriverBalanceType>
{
    Q_OBJECT

public:
    explicit DriverBalanceType(QQuickItem *parent = nullptr);
    ~DriverBalanceType() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
};
