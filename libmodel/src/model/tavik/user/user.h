#pragma once

#include "model/base/user/user.h"
#include "model/helper/clientsideendsession.h"
#include "model/helper/ownerclientsideendsession.h"
#include "model/helper/ownerenableselectduty.h"

namespace Model::Tavik {

// Dispatcher-side user: salary switches, end-session and duty overrides; the sign can be changed.
// Seeds the administrator, the API users and, on the run that creates the administrator, the
// operator with its group "Operators" and the group's default rights.
class User : public Base::User,
             public Helper::ClientSideEndSession,
             public Helper::OwnerClientSideEndSession,
             public Helper::OwnerEnableSelectDuty
{
public:
    User();
    ~User() override;

    bool createSystemRecords(Common::Db *db) override;
    // Makes sure the API user with that sign exists in the group with code "api", marked is_system.
    bool createApiRecord(Common::Db *db, const QString &sign);
};

} // namespace Model::Tavik
