#pragma once

#include "model/base/driver/attributes/carbrand.h"

namespace Model::Orlem {

// Car brands as the gateway server's pages name them; the base catalogue unchanged.
class CarBrand : public Base::CarBrand
{
public:
    CarBrand();
    ~CarBrand() override;
};

} // namespace Model::Orlem
