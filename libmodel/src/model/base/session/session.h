#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// One sign-in of a client program, from open to close; each kind of owner adds its owner and
// group references.
class Session : public AbstractModel
{
public:
    Session();
};

} // namespace Model::Base
