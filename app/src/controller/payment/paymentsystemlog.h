#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/payment/paymentsystempaymentslog.h"

// The drivers' payments through payment systems ("paymentSysDriversPaymentsLog"): rows of each
// instance, over a catalogue that names no table.
class PaymentSystemLog : public InstanceRowsController<Model::Base::PaymentSystemPaymentsLog>
{
    Q_OBJECT

public:
    explicit PaymentSystemLog(QQuickItem *parent = nullptr);
    ~PaymentSystemLog() override;

    QString name() const override;
};
