#include "paymentsystemaccount.h"

PaymentSystemAccount::PaymentSystemAccount(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

PaymentSystemAccount::~PaymentSystemAccount() = default;

QString PaymentSystemAccount::name() const
{
    return QStringLiteral("paymentSysAccComp");
}
