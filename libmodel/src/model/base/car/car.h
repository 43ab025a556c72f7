#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// The cars of drivers (table "cars"), with the owning driver's sign and current car and the names
// and codes of the car's brand, body type and colour joined in.
class Car : public AbstractModel
{
public:
    Car();
    ~Car() override;

    QString tableName() const override;
};

} // namespace Model::Base
