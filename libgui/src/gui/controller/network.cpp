#include "network.h"

#include "abstractcontroller.h"

namespace Gui {

Network::Network() = default;

Network::~Network()
{
    stopThread();
}

void Network::registerController(Controller::AbstractController *controller)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_receivers.append(controller);
}

void Network::unregisterController(Controller::AbstractController *controller)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int at = m_receivers.indexOf(controller);
    if (at < 0)
        return;
    m_receivers.remove(at);
    if (!m_receivers.contains(controller))
        m_names.remove(controller);
}

void Network::dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params)
{
    Client::ApiNetwork::dispatchMessage(controller, action, params);
    {
        // A copy held for nobody would make the QML-side receivers copy the message whole.
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!mayReceive(controller))
            return;
    }
    m_delivery.post([this, controller, action, params] { deliver(controller, action, params); });
}

bool Network::mayReceive(const QString &controller) const
{
    for (Controller::AbstractController *receiver : m_receivers) {
        const auto name = m_names.constFind(receiver);
        if (name == m_names.cend() || name.value() == controller)
            return true;
    }
    return false;
}

void Network::deliver(const QString &controller, const QString &action, const QVariantMap &params)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Controller::AbstractController *receiver : qAsConst(m_receivers)) {
        auto name = m_names.find(receiver);
        if (name == m_names.end())
            name = m_names.insert(receiver, receiver->name());
        // Queued: the handler runs later, after the list is released.
        if (name.value() == controller)
            emit receiver->messageReceived(action, params);
    }
}

} // namespace Gui
