#include "usergroupsecurityoption.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "model/tavik/security/usergroupsecurityoption.h"

namespace Client::Controller {

UserGroupSecurityOption::UserGroupSecurityOption(QQuickItem *parent)
    : OptionValueController(parent)
{
    // Rows of this instance: an editor's instance holding another group's rows never mixes them
    // into the signed-in user's.
    useOwnModel<Model::Tavik::UserGroupSecurityOption>();
}

UserGroupSecurityOption::~UserGroupSecurityOption() = default;

QString UserGroupSecurityOption::name() const
{
    return QStringLiteral("ugso");
}

QString UserGroupSecurityOption::ownerColumn() const
{
    return QStringLiteral("rst_id_group");
}

QString UserGroupSecurityOption::ownValue() const
{
    return SpSingleton<UserSession>::instance()->rstIdGroup();
}

} // namespace Client::Controller
