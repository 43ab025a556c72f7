#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Abstract catalogue of the paid services switched on for owners: one row per owner and service
// type. rst_id_owner and rst_id_pst are placeholders that the owner kind re-declares.
class PaidServiceOfOwner : public AbstractModel
{
public:
    PaidServiceOfOwner();
    ~PaidServiceOfOwner() override;
};

} // namespace Model::Base
