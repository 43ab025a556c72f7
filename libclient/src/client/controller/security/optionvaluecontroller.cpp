#include "optionvaluecontroller.h"

namespace Client::Controller {

OptionValueController::OptionValueController(QQuickItem *parent)
    : DesktopController(parent)
{
}

OptionValueController::~OptionValueController() = default;

bool OptionValueController::takes(const QVariantMap &mapParams) const
{
    if (m_isModelReceiveAll)
        return true;
    const auto owner = mapParams.constFind(ownerColumn());
    return owner != mapParams.cend() && owner.value().toString() == ownValue();
}

void OptionValueController::onSaInfo(const QVariantMap &mapParams)
{
    if (takes(mapParams))
        DesktopController::onSaInfo(mapParams);
}

void OptionValueController::onSaGetList(const QVariantMap &mapParams)
{
    if (takes(mapParams))
        DesktopController::onSaGetList(mapParams);
}

void OptionValueController::onSaListInfo(const QVariantMap &mapParams)
{
    if (takes(mapParams))
        DesktopController::onSaListInfo(mapParams);
}

void OptionValueController::onSaUpdate(const QVariantMap &mapParams)
{
    if (takes(mapParams))
        DesktopController::onSaUpdate(mapParams);
}

} // namespace Client::Controller
