#include "userguisession.h"

#include "model/tavik/session/userguisession.h"

namespace Client::Controller {

UserGuiSession::UserGuiSession(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Tavik::UserGuiSession>();
}

UserGuiSession::~UserGuiSession() = default;

QString UserGuiSession::name() const
{
    return QStringLiteral("userGuiSession");
}

} // namespace Client::Controller
