#include "launcher.h"

#include "model/base/shell/launcher.h"

namespace Client::Controller {

Launcher::Launcher(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::Launcher>();
}

Launcher::~Launcher() = default;

QString Launcher::name() const
{
    return QStringLiteral("launcher");
}

} // namespace Client::Controller
