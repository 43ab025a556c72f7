#include "usersession.h"

#include <QObject>

namespace Model::Base {

UserSession::UserSession()
{
    declareReference("rst_id_owner", "users", QString(), NON_UPDATABLE);
    declareReference("rst_id_group", "user_groups", QString(), NON_UPDATABLE);
    declareAttached("group_name", "user_groups", "name", QObject::tr("Group"));
}

} // namespace Model::Base
