#include "user.h"

#include "model/tavik/user/user.h"

namespace Client::Controller {

User::User(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<User, Model::Tavik::User>();
}

User::~User() = default;

QString User::name() const
{
    return QStringLiteral("user");
}

} // namespace Client::Controller
