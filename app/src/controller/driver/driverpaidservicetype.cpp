#include "driverpaidservicetype.h"

#include "controller/ownanswer.h"

DriverPaidServiceType::DriverPaidServiceType(QQuickItem *parent)
    : ClassWideController(parent)
{
}

DriverPaidServiceType::~DriverPaidServiceType() = default;

QString DriverPaidServiceType::name() const
{
    return QStringLiteral("driverPaidServiceType");
}

void DriverPaidServiceType::trImplementPaidService(const QVariantMap &mapParams)
{
    sendNetDto(QStringLiteral("trImplementPaidService"), mapParams);
}

bool DriverPaidServiceType::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params,
                         {{QLatin1String("saImplementPaidService"), &DriverPaidServiceType::saImplementPaidService}});
}
