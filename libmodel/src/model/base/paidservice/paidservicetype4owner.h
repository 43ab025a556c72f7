#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Abstract catalogue of the paid service types of an owner kind: name, price, switch and note.
// rst_id_bt is a placeholder that the owner kind re-declares as its balance type reference.
class PaidServiceType4Owner : public AbstractModel
{
public:
    PaidServiceType4Owner();
    ~PaidServiceType4Owner() override;
};

} // namespace Model::Base
