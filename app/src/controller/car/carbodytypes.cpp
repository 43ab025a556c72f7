#include "carbodytypes.h"

CarBodyTypes::CarBodyTypes(QQuickItem *parent)
    : ClassWideController(parent)
{
}

CarBodyTypes::~CarBodyTypes() = default;

QString CarBodyTypes::name() const
{
    return QStringLiteral("carBodyTypes");
}
