#pragma once

#include "model/base/security/securityoption.h"

namespace Model::Tavik {

// Dispatcher-side security options: the eight record operations of every stored option type.
class SecurityOption : public Base::SecurityOption
{
public:
    // Appends "<type code>.<operation>" for every type of the controller name catalogue; false
    // when a type or its group is not stored.
    bool populateListControllerName(Common::Db *db) override;
};

} // namespace Model::Tavik
