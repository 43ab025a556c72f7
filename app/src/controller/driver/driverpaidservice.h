#pragma once

#include "controller/instancerowscontroller.h"
#include "model/orlem/paidservice/paidserviceofdriver.h"

// The paid services that drivers use ("driverPaidService"): rows of each instance.
class DriverPaidService : public InstanceRowsController<Model::Orlem::PaidServiceOfDriver>
{
    Q_OBJECT

public:
    explicit DriverPaidService(QQuickItem *parent = nullptr);
    ~DriverPaidService() override;

    QString name() const override;
};
