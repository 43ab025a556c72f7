#pragma once

#include "model/base/security/usersecurityoption.h"

namespace Model::Tavik {

// Dispatcher-side option values of users; the same catalogue as the base.
class UserSecurityOption : public Base::UserSecurityOption
{
};

} // namespace Model::Tavik
