#include "driversession.h"

#include "controller/ownanswer.h"

#include <QDebug>

DriverSession::DriverSession(QQuickItem *parent)
    : InstanceRowsController(parent)
    , Common::Session(QStringLiteral("driverSession"))
{
}

DriverSession::~DriverSession() = default;

QString DriverSession::name() const
{
    return QStringLiteral("driverSession");
}

QString DriverSession::closeReason(const QString &typeClose)
{
    if (typeClose == QLatin1String("0"))
        return tr("not closed");
    if (typeClose == QLatin1String("1"))
        return tr("client watchdog");
    if (typeClose == QLatin1String("2"))
        return tr("server watchdog");
    if (typeClose == QLatin1String("3"))
        return tr("closed by the user");
    if (typeClose == QLatin1String("4"))
        return tr("closed by other user");
    if (typeClose == QLatin1String("5"))
        return tr("close by server midnight handler");
    if (typeClose == QLatin1String("6"))
        return tr("hard closed");
    return QString();
}

void DriverSession::prepareRow(QVariantMap &row)
{
    const QString typeClose = row[QStringLiteral("type_close")].toString();
    row.insert(QStringLiteral("type_close_string"), typeClose + QStringLiteral(". ") + closeReason(typeClose));
}

bool DriverSession::trClose(const QVariantMap &mapParams)
{
    if (mapParams.value(QStringLiteral("rst_id_owner")).toString().isEmpty()) {
        qWarning() << "driverSession: trClose needs the driver's rst_id_owner; nothing sent";
        return false;
    }
    sendNetDto(QStringLiteral("trClose"), mapParams);
    return true;
}

qlonglong DriverSession::currentMSecsSinceEpoch() const
{
    return Common::Session::currentMSecsSinceEpoch();
}

bool DriverSession::handleMessage(const QString &action, const QVariantMap &params)
{
    if (DesktopController::handleMessage(action, params))
        return true;
    return emitOwnAnswer(this, action, params, {{QLatin1String("saClose"), &DriverSession::saClose}});
}
