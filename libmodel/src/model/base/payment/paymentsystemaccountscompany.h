#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// A company's account at a payment system: keys, fees and bank details. The private key is
// HIDDEN and SECRET: never shown in lists or logs, never a filter or sort key of a request.
class PaymentSystemAccountsCompany : public AbstractModel
{
public:
    PaymentSystemAccountsCompany();

    QString tableName() const override { return QStringLiteral("payment_systems_company_accounts"); }
};

} // namespace Model::Base
