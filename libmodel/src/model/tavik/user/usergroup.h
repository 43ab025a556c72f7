#pragma once

#include "model/base/user/usergroup.h"
#include "model/helper/clientsideendsession.h"
#include "model/helper/groupbalance.h"
#include "model/helper/groupenableselectduty.h"

#include <QSet>

namespace Model::Tavik {

// Dispatcher-side user group: low balance, end-session monitor, duty selection, salary switches.
// Seeds the API users' group and grants a new operators' group its default rights.
class UserGroup : public Base::UserGroup,
                  public Helper::GroupBalance,
                  public Helper::ClientSideEndSession,
                  public Helper::GroupEnableSelectDuty
{
public:
    UserGroup();
    ~UserGroup() override;

    // The administrators' group, then the API users' group (code "api").
    bool createSystemRecords(Common::Db *db) override;
    // Grants the stored group in the row buffer the operators' default rights it lacks.
    bool createSystemRecordsForOperators(Common::Db *db);

    // The codes of the operators' default rights.
    static const QSet<QString> &operatorRights();
};

} // namespace Model::Tavik
