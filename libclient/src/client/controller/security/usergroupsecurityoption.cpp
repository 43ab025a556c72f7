#include "usergroupsecurityoption.h"

#include "model/tavik/security/usergroupsecurityoption.h"

namespace Client::Controller {

UserGroupSecurityOption::UserGroupSecurityOption(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Tavik::UserGroupSecurityOption>();
}

UserGroupSecurityOption::~UserGroupSecurityOption() = default;

QString UserGroupSecurityOption::name() const
{
    return QStringLiteral("ugso");
}

} // namespace Client::Controller
