#pragma once

#include "controller/instancerowscontroller.h"
#include "model/tavik/rating/driverratinglog.h"

// The rating changes of drivers ("driverRatingLog"): rows of each instance.
class DriverRatingLog : public InstanceRowsController<Model::Tavik::DriverRatingLog>
{
    Q_OBJECT

public:
    explicit DriverRatingLog(QQuickItem *parent = nullptr);
    ~DriverRatingLog() override;

    QString name() const override;
};
