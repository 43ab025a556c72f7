#include "usersecurityoption.h"

#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "model/tavik/security/usersecurityoption.h"

namespace Client::Controller {

UserSecurityOption::UserSecurityOption(QQuickItem *parent)
    : OptionValueController(parent)
{
    useOwnModel<Model::Tavik::UserSecurityOption>();
}

UserSecurityOption::~UserSecurityOption() = default;

QString UserSecurityOption::name() const
{
    return QStringLiteral("uso");
}

QString UserSecurityOption::ownerColumn() const
{
    return QStringLiteral("rst_id_owner");
}

QString UserSecurityOption::ownValue() const
{
    return SpSingleton<UserSession>::instance()->rstIdOwner();
}

} // namespace Client::Controller
