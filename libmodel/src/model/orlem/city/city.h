#pragma once

#include "model/base/city/city.h"

namespace Model::Orlem {

// Gateway-side city catalogue; the same fields as the base.
class City : public Base::City
{
};

} // namespace Model::Orlem
