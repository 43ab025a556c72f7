#include "paymentsystem.h"

PaymentSystem::PaymentSystem(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

PaymentSystem::~PaymentSystem() = default;

QString PaymentSystem::name() const
{
    return QStringLiteral("paymentSystem");
}
