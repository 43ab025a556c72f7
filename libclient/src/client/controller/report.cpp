#include "report.h"

namespace Client::Controller {

Report::Report(QQuickItem *parent)
    : DesktopController(parent)
{
}

Report::~Report() = default;

QString Report::name() const
{
    return QStringLiteral("report");
}

void Report::trCreate(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trCreate"), mapParams);
}

bool Report::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    if (action != QLatin1String("saCreate"))
        return false;
    emit saCreate(params);
    return true;
}

} // namespace Client::Controller
