#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Car colours with their RGB codes (table "car_colors"), seeded with the system list.
class CarColor : public AbstractModel
{
public:
    CarColor();
    ~CarColor() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
