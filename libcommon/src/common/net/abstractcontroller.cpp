#include "abstractcontroller.h"

#include "apinetwork.h"
#include "jsonrpcrequest.h"
#include "netdto.h"

#include <QDebug>

#include <atomic>

namespace Common {

namespace {

// Controllers are made on the GUI thread and on the network thread: the counter is atomic.
std::atomic<qint64> controllerCounter{0};
std::atomic<ApiNetwork *> processNetwork{nullptr};

} // namespace

AbstractController::AbstractController()
    : m_number(controllerCounter.fetch_add(1))
{
}

AbstractController::~AbstractController() = default;

void AbstractController::setNetwork(ApiNetwork *network)
{
    processNetwork.store(network);
}

ApiNetwork *AbstractController::network()
{
    return processNetwork.load();
}

QString AbstractController::objectNumber() const
{
    return QString::number(m_number);
}

bool AbstractController::handleMessage(const QString &, const QVariantMap &)
{
    return false;
}

void AbstractController::sendRequest(const QString &action, const QJsonObject &params,
                                     const QJsonObject &meta)
{
    JsonRpc::Request request(name() + QLatin1Char('.') + action);
    request.setId(objectNumber());
    if (!params.isEmpty())
        request.setParams(params);
    if (!meta.isEmpty())
        request.setMeta(meta);
    ApiNetwork *net = network();
    if (!net) {
        qWarning() << "Network is not initialized. Request:" << request.toJson();
        return;
    }
    emit net->sendMessage(request.toJson());
}

void AbstractController::sendNetDto(const QString &action, const QVariantMap &params)
{
    ApiNetwork *net = network();
    if (!net)
        return;
    NetDTO record(params);
    record.insert(QStringLiteral("FN"), name() + QLatin1Char('_') + action);
    record.insert(QStringLiteral("RECEIVER"), QVariant::fromValue<qint64>(m_number));
    emit net->sendMessage(record);
}

} // namespace Common
