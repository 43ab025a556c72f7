#include "carbrands.h"

CarBrands::CarBrands(QQuickItem *parent)
    : ClassWideController(parent)
{
}

CarBrands::~CarBrands() = default;

QString CarBrands::name() const
{
    return QStringLiteral("carBrands");
}
