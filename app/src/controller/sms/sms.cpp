#include "sms.h"

Sms::Sms(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

Sms::~Sms() = default;

QString Sms::name() const
{
    return QStringLiteral("sms");
}
