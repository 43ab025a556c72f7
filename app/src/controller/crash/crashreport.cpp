#include "crashreport.h"

#include "controller/ownanswer.h"

CrashReport::CrashReport(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

CrashReport::~CrashReport() = default;

QString CrashReport::name() const
{
    return QStringLiteral("crashReport");
}

void CrashReport::trGetDb(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trGetDb"), mapParams);
}

bool CrashReport::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params, {{QLatin1String("saGetDb"), &CrashReport::saGetDb}});
}
