#include "usersecurityoption.h"

#include "model/tavik/security/usersecurityoption.h"

namespace Client::Controller {

UserSecurityOption::UserSecurityOption(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Tavik::UserSecurityOption>();
}

UserSecurityOption::~UserSecurityOption() = default;

QString UserSecurityOption::name() const
{
    return QStringLiteral("uso");
}

} // namespace Client::Controller
