#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Online payment systems the platform can use, identified by code, with their credentials,
// commissions and callback addresses. Credentials are HIDDEN and SECRET: never shown in lists or
// logs, never a filter or sort key of a request.
class PaymentSystem : public AbstractModel
{
public:
    PaymentSystem();

    QString tableName() const override { return QStringLiteral("payment_systems"); }
};

} // namespace Model::Base
