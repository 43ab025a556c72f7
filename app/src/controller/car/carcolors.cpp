#include "carcolors.h"

CarColors::CarColors(QQuickItem *parent)
    : ClassWideController(parent)
{
}

CarColors::~CarColors() = default;

QString CarColors::name() const
{
    return QStringLiteral("carColors");
}
