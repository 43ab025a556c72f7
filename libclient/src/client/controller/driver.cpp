#include "driver.h"

namespace Client::Controller {

Driver::Driver(QQuickItem *parent)
    : DesktopController(parent)
{
}

Driver::~Driver() = default;

QString Driver::name() const
{
    return QStringLiteral("driver");
}

void Driver::trArchive(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trArchive"), mapParams);
}

bool Driver::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    if (action != QLatin1String("saArchive"))
        return false;
    emit saArchive(params);
    return true;
}

} // namespace Client::Controller
