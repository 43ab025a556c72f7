#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/balance/driverbalancetransfer.h"

// Balance transfers between drivers ("driverBalanceTransfer"): rows of each instance.
class DriverBalanceTransfer : public InstanceRowsController<Model::Orlem::DriverBalanceTransfer>
{
    Q_OBJECT

public:
    explicit DriverBalanceTransfer(QQuickItem *parent = nullptr);
    ~DriverBalanceTransfer() override;

    QString name() const override;
};
