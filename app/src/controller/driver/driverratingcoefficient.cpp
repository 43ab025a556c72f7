#include "driverratingcoefficient.h"

DriverRatingCoefficient::DriverRatingCoefficient(QQuickItem *parent)
    : ClassWideController(parent)
{
}

DriverRatingCoefficient::~DriverRatingCoefficient() = default;

QString DriverRatingCoefficient::name() const
{
    return QStringLiteral("driverRatingCoefficient");
}
