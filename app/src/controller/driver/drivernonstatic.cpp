#include "drivernonstatic.h"

DriverNonStatic::DriverNonStatic(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

DriverNonStatic::~DriverNonStatic() = default;

void DriverNonStatic::prepareRow(QVariantMap &row)
{
    setStatusString(row);
}
