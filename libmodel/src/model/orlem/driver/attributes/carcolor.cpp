#include "carcolor.h"

namespace Model::Orlem {

CarColor::CarColor() = default;

CarColor::~CarColor() = default;

} // namespace Model::Orlem
