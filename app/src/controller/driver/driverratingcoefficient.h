#pragma once

#include "controller/classwidecontroller.h"
#include "model/orlem/rating/driverratingcoefficient.h"

// The coefficients of the driver rating ("driverRatingCoefficient"): one list that every page shares.
class DriverRatingCoefficient
    : public ClassWideController<DriverRatingCoefficient, Model::Orlem::DriverRatingCoefficient>
{
    Q_OBJECT

public:
    explicit DriverRatingCoefficient(QQuickItem *parent = nullptr);
    ~DriverRatingCoefficient() override;

    QString name() const override;
};
