#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Car brands (table "car_brands"), seeded with the system list.
class CarBrand : public AbstractModel
{
public:
    CarBrand();
    ~CarBrand() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
