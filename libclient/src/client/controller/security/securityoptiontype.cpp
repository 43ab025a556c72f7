#include "securityoptiontype.h"

#include "model/tavik/security/securityoptiontype.h"

namespace Client::Controller {

SecurityOptionType::SecurityOptionType(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<SecurityOptionType, Model::Tavik::SecurityOptionType>();
    proxyModel()->sortRows(QStringLiteral("sog_group_name"), Qt::AscendingOrder);
}

SecurityOptionType::~SecurityOptionType() = default;

QString SecurityOptionType::name() const
{
    return QStringLiteral("sot");
}

} // namespace Client::Controller
