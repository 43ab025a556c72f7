#pragma once

#include "model/base/security/securityoptiontype.h"

namespace Model::Tavik {

// Dispatcher-side option types: one "crud" type per stored option group.
class SecurityOptionType : public Base::SecurityOptionType
{
public:
    // Appends the type "<group code>.crud" of every group of the controller name catalogue; false
    // when a group is not stored.
    bool populateListControllerName(Common::Db *db) override;
};

} // namespace Model::Tavik
