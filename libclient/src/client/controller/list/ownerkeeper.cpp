#include "ownerkeeper.h"

#include "model/base/shell/ownerkeeper.h"

namespace Client::Controller {

OwnerKeeper::OwnerKeeper(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::OwnerKeeper>();
}

OwnerKeeper::~OwnerKeeper() = default;

QString OwnerKeeper::name() const
{
    return QStringLiteral("ownerKeeper");
}

} // namespace Client::Controller
