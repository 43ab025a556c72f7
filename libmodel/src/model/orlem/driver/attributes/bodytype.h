#pragma once

#include "model/base/driver/attributes/bodytype.h"

namespace Model::Orlem {

// Car body types as the gateway server's pages name them; the base catalogue unchanged.
class BodyType : public Base::BodyType
{
public:
    BodyType();
    ~BodyType() override;
};

} // namespace Model::Orlem
