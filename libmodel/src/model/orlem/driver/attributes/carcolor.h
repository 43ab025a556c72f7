#pragma once

#include "model/base/driver/attributes/carcolor.h"

namespace Model::Orlem {

// Car colours as the gateway server's pages name them; the base catalogue unchanged.
class CarColor : public Base::CarColor
{
public:
    CarColor();
    ~CarColor() override;
};

} // namespace Model::Orlem
