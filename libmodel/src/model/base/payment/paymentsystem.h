#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Online payment systems the platform can use, identified by code, with their credentials,
// commissions and callback addresses. Credentials are HIDDEN: never shown in lists or logs.
class PaymentSystem : public AbstractModel
{
public:
    PaymentSystem();

    QString tableName() const override { return QStringLiteral("payment_systems"); }
};

} // namespace Model::Base
