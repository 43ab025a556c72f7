#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/payment/paymentsystem.h"

// The payment systems ("paymentSystem"): rows of each instance.
class PaymentSystem : public InstanceRowsController<Model::Base::PaymentSystem>
{
    Q_OBJECT

public:
    explicit PaymentSystem(QQuickItem *parent = nullptr);
    ~PaymentSystem() override;

    QString name() const override;
};
