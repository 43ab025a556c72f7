#pragma once

#include "client/controller/driver.h"
#include "client/controller/helper/driverstatus.h"
#include "controller/instancerowscontroller.h"
#include "model/orlem/driver/driver.h"

// Drivers in a list of the instance's own ("driver"), such as the archive, which must not mix
// with the shared driver list; with each driver's status text.
class DriverNonStatic : public InstanceRowsController<Model::Orlem::Driver, Client::Controller::Driver>,
                        public Client::Controller::Helper::DriverStatus
{
    Q_OBJECT

public:
    explicit DriverNonStatic(QQuickItem *parent = nullptr);
    ~DriverNonStatic() override;

    void prepareRow(QVariantMap &row) override;
};
