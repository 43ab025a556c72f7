#include "abstractcontroller.h"

#include "network.h"

#include "gui/tablemodel/originalmodel.h"
#include "gui/tablemodel/proxymodel.h"

#include "common/core/logger/logger.h"
#include "common/net/netdto.h"

#include <QPointer>

#include <atomic>

namespace Gui::Controller {

namespace {

std::atomic<int> nextId{0};
QPointer<Network> processNetwork;

bool isSuccess(const QVariantMap &params)
{
    return params.value(QStringLiteral("RES")).toString() == QLatin1String("10");
}

} // namespace

AbstractController::AbstractController(Model::AbstractModel *model, QObject *parent)
    : QObject(parent)
    , m_originalModel(new OriginalModel(model, this))
    , m_proxyModel(new ProxyModel(m_originalModel, this))
    , m_id(nextId++)
    , m_network(processNetwork)
{
    // Queued even when the message is handed over in this thread: no handler runs while the
    // network holds its receiver list.
    connect(this, &AbstractController::messageReceived, this, &AbstractController::onMessageReceived,
            Qt::QueuedConnection);
    if (m_network)
        m_network->registerController(this);
    setHandler(QStringLiteral("saListInfo"), [this](const QVariantMap &params) {
        m_originalModel->updateRows(params);
        emit saListInfo(params);
    });
    setHandler(QStringLiteral("saGetList"), [this](const QVariantMap &params) { emit saGetList(params); });
    // A removed record leaves the table, whoever removed it.
    setHandler(QStringLiteral("saRemove"), [this](const QVariantMap &params) {
        if (isSuccess(params))
            m_originalModel->removeRowById(OriginalModel::idOf(params));
    });
    // A record added or changed by anyone (this client too) reaches a loaded table again.
    const Handler reload = [this](const QVariantMap &) {
        if (m_listRequested)
            send(QStringLiteral("trGetList"), m_listParams);
    };
    setHandler(QStringLiteral("srInserted"), reload);
    setHandler(QStringLiteral("srUpdated"), reload);
}

AbstractController::~AbstractController()
{
    if (m_network)
        m_network->unregisterController(this);
}

void AbstractController::setNetwork(Network *network)
{
    processNetwork = network;
}

Network *AbstractController::network()
{
    return processNetwork;
}

QString AbstractController::receiver() const
{
    return QLatin1Char('G') + QString::number(m_id);
}

void AbstractController::setHandler(const QString &action, const Handler &handler)
{
    m_actions.insert(action, handler);
}

void AbstractController::send(const QString &action, const QVariantMap &params)
{
    if (!m_network)
        return;
    NetDTO message(params);
    message.insert(QStringLiteral("FN"), name() + QLatin1Char('_') + action);
    message.insert(QStringLiteral("RECEIVER"), receiver());
    emit m_network->sendMessage(message);
}

void AbstractController::trGetList(const QVariantMap &params)
{
    m_listRequested = true;
    m_listParams = params;
    send(QStringLiteral("trGetList"), params);
}

bool AbstractController::isAddressedHere(const QString &action, const QVariantMap &params) const
{
    if (action == QLatin1String("saRemove"))
        return true;
    const QString to = params.value(QStringLiteral("RECEIVER")).toString();
    return to.isEmpty() || to == QLatin1String("ALL") || to == receiver();
}

void AbstractController::onMessageReceived(QString action, QVariantMap params)
{
    // Answers to other controllers of the name (pages' requests among them) pass in silence.
    if (!isAddressedHere(action, params))
        return;
    const auto handler = m_actions.constFind(action);
    if (handler == m_actions.cend()) {
        // The server pushes every change of the name; one this controller has no use for is no
        // fault.
        if (action.startsWith(QLatin1String("sr")))
            return;
        Logger::instance(0)->warning(
            QStringLiteral("Unknown action '%1' for controller '%2'").arg(action, name()));
        return;
    }
    handler.value()(params);
}

} // namespace Gui::Controller
