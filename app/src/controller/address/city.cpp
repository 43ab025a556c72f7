#include "city.h"

City::City(QQuickItem *parent)
    : ClassWideController(parent)
{
}

City::~City() = default;

QString City::name() const
{
    return QStringLiteral("city");
}
