#include "value.h"

Value::Value(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

Value::~Value() = default;

QString Value::name() const
{
    return QStringLiteral("value");
}
