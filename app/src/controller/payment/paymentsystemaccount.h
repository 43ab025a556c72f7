#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/payment/paymentsystemaccountscompany.h"

// The companies' payment system accounts ("paymentSysAccComp"): rows of each instance.
class PaymentSystemAccount : public InstanceRowsController<Model::Base::PaymentSystemAccountsCompany>
{
    Q_OBJECT

public:
    explicit PaymentSystemAccount(QQuickItem *parent = nullptr);
    ~PaymentSystemAccount() override;

    QString name() const override;
};
