#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/driver/drivergroup.h"

// The driver groups ("driverGroup"): one list that every page shares.
class DriverGroup : public ClassWideController<DriverGroup, Model::Orlem::DriverGroup>
{
    Q_OBJECT

public:
    explicit DriverGroup(QQuickItem *parent = nullptr);
    ~DriverGroup() override;

    QString name() const override;
};
