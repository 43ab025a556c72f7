#include "apinetwork.h"

#include "client/controller/itemcontroller.h"
#include "common/net/abstractcontroller.h"

namespace Client {

ApiNetwork::ApiNetwork() = default;

ApiNetwork::~ApiNetwork()
{
    stopThread();
}

ApiNetwork *ApiNetwork::current()
{
    // The process-wide pointer is only trusted while the network object still exists.
    if (!Common::Network::instance())
        return nullptr;
    return qobject_cast<ApiNetwork *>(Common::AbstractController::network());
}

void ApiNetwork::registerController(Controller::ItemController *controller)
{
    if (!controller || controller->thread() != m_delivery.thread())
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_registered.contains(controller))
        return;
    m_registered.insert(controller);
    // Its protocol name is read at the first delivery, once construction has finished.
    m_unnamed.append(controller);
}

void ApiNetwork::unregisterController(Controller::ItemController *controller)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_registered.remove(controller))
        return;
    ++m_removals;
    m_unnamed.removeOne(controller);
    const auto alone = m_private.constFind(controller->objectNumber());
    if (alone != m_private.cend() && alone.value() == controller)
        m_private.erase(alone);
    const auto name = m_names.constFind(controller);
    if (name != m_names.cend()) {
        auto receivers = m_byName.find(name.value());
        receivers->removeOne(controller);
        if (receivers->isEmpty())
            m_byName.erase(receivers);
        m_names.erase(name);
    }
}

void ApiNetwork::keepAnswersPrivate(Controller::ItemController *controller)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_registered.contains(controller))
        m_private.insert(controller->objectNumber(), controller);
}

int ApiNetwork::controllerCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_registered.size();
}

void ApiNetwork::dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params)
{
    // The message is captured as a map of its own (not const) so that delivery can move it on.
    m_delivery.post([this, controller, action, message = QVariantMap(params)]() mutable {
        deliver(controller, action, std::move(message));
    });
}

void ApiNetwork::nameNewControllers()
{
    for (Controller::ItemController *pending : qAsConst(m_unnamed)) {
        const QString name = pending->name();
        m_names.insert(pending, name);
        m_byName[name].append(pending);
    }
    m_unnamed.clear();
}

QStringList ApiNetwork::newestIds(const QString &controller) const
{
    const QSet<QString> ids = m_newestIds.value(controller);
    return QStringList(ids.cbegin(), ids.cend());
}

void ApiNetwork::noteStamp(const QString &controller, qint64 stamp, const QString &id)
{
    if (stamp < m_newestStamp)
        return;
    if (stamp > m_newestStamp) {
        m_newestStamp = stamp;
        m_newestIds.clear();
    }
    if (!id.isEmpty())
        m_newestIds[controller].insert(id);
}

void ApiNetwork::deliver(const QString &controller, const QString &action, QVariantMap params)
{
    const auto stamp = params.constFind(QStringLiteral("dt_utc_last_update"));
    if (stamp != params.cend())
        noteStamp(controller, stamp->toLongLong(), params.value(QStringLiteral("id")).toString());
    QVector<Controller::ItemController *> receivers;
    quint64 removals;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_unnamed.isEmpty())
            nameNewControllers();
        receivers = m_byName.value(controller);
        removals = m_removals;
        if (!m_private.isEmpty()) {
            const auto alone = m_private.constFind(params.value(QStringLiteral("RECEIVER")).toString());
            if (alone != m_private.cend())
                receivers = receivers.contains(alone.value()) ? QVector<Controller::ItemController *>{alone.value()}
                                                              : QVector<Controller::ItemController *>{};
        }
    }
    for (int i = 0; i < receivers.size(); ++i) {
        Controller::ItemController *c = receivers.at(i);
        // A handler may destroy controllers: once one has gone, each receiver is checked again
        // (a controller made since, even at the same address, is not named yet).
        if (m_removals != removals) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_names.value(c) != controller)
                continue;
        }
        if (i + 1 < receivers.size())
            c->deliverMessage(action, params);
        else
            c->deliverMessage(action, std::move(params));
    }
}

} // namespace Client
