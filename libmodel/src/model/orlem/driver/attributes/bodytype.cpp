#include "bodytype.h"

namespace Model::Orlem {

BodyType::BodyType() = default;

BodyType::~BodyType() = default;

} // namespace Model::Orlem
