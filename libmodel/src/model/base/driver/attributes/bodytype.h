#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Car body types (table "car_body_types"), seeded with the system list.
class BodyType : public AbstractModel
{
public:
    BodyType();
    ~BodyType() override;

    QString tableName() const override;
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Base
