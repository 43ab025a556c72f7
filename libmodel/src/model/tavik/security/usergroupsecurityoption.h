#pragma once

#include "model/base/security/usergroupsecurityoption.h"

namespace Model::Tavik {

// Dispatcher-side option values of user groups; the same catalogue as the base.
class UserGroupSecurityOption : public Base::UserGroupSecurityOption
{
};

} // namespace Model::Tavik
