#include "itemcontroller.h"

#include "client/net/apinetwork.h"
#include "common/net/network.h"

#include <QElapsedTimer>

namespace Client::Controller {

namespace {

Client::ApiNetwork *clientNetwork()
{
    // The process-wide pointer is only trusted while the network object still exists.
    if (!Common::Network::instance())
        return nullptr;
    return qobject_cast<Client::ApiNetwork *>(Common::AbstractController::network());
}

} // namespace

ItemController::ItemController(QQuickItem *parent)
    : QQuickItem(parent)
{
    connect(this, qOverload<QString, QVariantMap>(&ItemController::messageReceived), this,
            qOverload<QString, QVariantMap>(&ItemController::onMessageReceived));
    connect(this, qOverload<QJsonObject>(&ItemController::messageReceived), this,
            qOverload<QJsonObject>(&ItemController::onMessageReceived));
    if (Client::ApiNetwork *net = clientNetwork())
        net->registerController(this);
}

ItemController::~ItemController()
{
    if (Client::ApiNetwork *net = clientNetwork())
        net->unregisterController(this);
}

bool ItemController::handleMessage(const QString &, const QVariantMap &)
{
    return false;
}

void ItemController::prepareRow(QVariantMap &)
{
}

void ItemController::onMessageReceived(QString actionName, QVariantMap mapParams)
{
    const bool metrics = qEnvironmentVariable("metrics", QStringLiteral("0")) == QLatin1String("1");
    QElapsedTimer timer;
    if (metrics)
        timer.start();
    prepareRow(mapParams);
    handleMessage(actionName, mapParams);
    if (metrics) {
        qInfo().noquote() << QStringLiteral("Metrics: %1: %2")
                                 .arg(QStringLiteral("Controller %1 action %2").arg(name(), actionName))
                                 .arg(timer.elapsed());
    }
}

void ItemController::onMessageReceived(QJsonObject)
{
}

} // namespace Client::Controller
