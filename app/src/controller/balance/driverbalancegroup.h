#pragma once

#include "controller/classwidecontroller.h"
#include "model/base/balance/driverbalancegroup.h"

// The balance groups of drivers ("dbg"): one list that every page shares.
class DriverBalanceGroup : public ClassWideController<DriverBalanceGroup, Model::Base::DriverBalanceGroup>
{
    Q_OBJECT

public:
    explicit DriverBalanceGroup(QQuickItem *parent = nullptr);
    ~DriverBalanceGroup() override;

    QString name() const override;
};
