#include "paymentsystemlog.h"

PaymentSystemLog::PaymentSystemLog(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

PaymentSystemLog::~PaymentSystemLog() = default;

QString PaymentSystemLog::name() const
{
    return QStringLiteral("paymentSysDriversPaymentsLog");
}
