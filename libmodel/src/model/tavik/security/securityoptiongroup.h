#pragma once

#include "model/base/security/securityoptiongroup.h"

namespace Model::Tavik {

// Dispatcher-side option groups: one per entry of the controller name catalogue.
class SecurityOptionGroup : public Base::SecurityOptionGroup
{
public:
    // Appends one group per controller name, in catalogue order; never reads the database.
    bool populateListControllerName(Common::Db *db) override;
};

} // namespace Model::Tavik
