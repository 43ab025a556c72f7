#include "userguisession.h"

namespace Model::Tavik {

UserGuiSession::UserGuiSession()
{
    declareReference("rst_id_owner", "users", QString(), NON_UPDATABLE);
}

} // namespace Model::Tavik
