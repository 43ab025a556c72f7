#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/car/car.h"

// The cars of drivers ("car"): rows of each instance. The car's model name is the role
// "car_model" (a role "model" would be hidden by the delegates' own "model"), and each row says
// whether it is the car that its driver has selected.
class Car : public InstanceRowsController<Model::Base::Car>
{
    Q_OBJECT

public:
    explicit Car(QQuickItem *parent = nullptr);
    ~Car() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
};
