#include "usergroup.h"

#include "model/tavik/user/usergroup.h"

namespace Client::Controller {

UserGroup::UserGroup(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<UserGroup, Model::Tavik::UserGroup>();
}

UserGroup::~UserGroup() = default;

QString UserGroup::name() const
{
    return QStringLiteral("ug");
}

} // namespace Client::Controller
