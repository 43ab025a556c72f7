#include "carbrand.h"

namespace Model::Orlem {

CarBrand::CarBrand() = default;

CarBrand::~CarBrand() = default;

} // namespace Model::Orlem
