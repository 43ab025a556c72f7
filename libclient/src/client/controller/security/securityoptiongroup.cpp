#include "securityoptiongroup.h"

#include "model/tavik/security/securityoptiongroup.h"

namespace Client::Controller {

SecurityOptionGroup::SecurityOptionGroup(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<SecurityOptionGroup, Model::Tavik::SecurityOptionGroup>();
}

SecurityOptionGroup::~SecurityOptionGroup() = default;

QString SecurityOptionGroup::name() const
{
    return QStringLiteral("sog");
}

} // namespace Client::Controller
