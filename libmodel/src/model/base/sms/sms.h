#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// SMS texts by code (table "sms").
class Sms : public AbstractModel
{
public:
    Sms();
    ~Sms() override;

    QString tableName() const override;
};

} // namespace Model::Base
