#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Payments made through the companies' payment-system accounts. A field list of the client
// only; it names no table.
class PaymentSystemPaymentsLog : public AbstractModel
{
public:
    PaymentSystemPaymentsLog();

    QString tableName() const override;
};

} // namespace Model::Base
