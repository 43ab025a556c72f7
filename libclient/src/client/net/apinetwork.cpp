#include "apinetwork.h"

#include "client/controller/itemcontroller.h"

#include <QMutexLocker>

namespace Client {

ApiNetwork::ApiNetwork() = default;

ApiNetwork::~ApiNetwork()
{
    stopThread();
}

void ApiNetwork::registerController(Controller::ItemController *controller)
{
    if (!controller || controller->thread() != m_delivery.thread())
        return;
    QMutexLocker lock(&m_mutex);
    m_controllers.append(controller);
    // Its protocol name is read at the first delivery, once construction has finished.
    m_unnamed.append(controller);
}

void ApiNetwork::unregisterController(Controller::ItemController *controller)
{
    QMutexLocker lock(&m_mutex);
    const int index = m_controllers.indexOf(controller);
    if (index < 0)
        return;
    m_controllers.remove(index);
    m_unnamed.removeOne(controller);
    m_names.remove(controller);
}

int ApiNetwork::controllerCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_controllers.size();
}

void ApiNetwork::dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params)
{
    QMetaObject::invokeMethod(
        &m_delivery, [this, controller, action, params] { deliver(controller, action, params); },
        Qt::QueuedConnection);
}

void ApiNetwork::deliver(const QString &controller, const QString &action, const QVariantMap &params)
{
    QVector<Controller::ItemController *> receivers;
    {
        QMutexLocker lock(&m_mutex);
        for (Controller::ItemController *pending : qAsConst(m_unnamed))
            m_names.insert(pending, pending->name());
        m_unnamed.clear();
        for (Controller::ItemController *c : qAsConst(m_controllers)) {
            if (m_names.value(c) == controller)
                receivers.append(c);
        }
    }
    // A handler may destroy controllers: each receiver is checked again before it gets the message.
    for (Controller::ItemController *c : qAsConst(receivers)) {
        {
            QMutexLocker lock(&m_mutex);
            if (!m_controllers.contains(c))
                continue;
        }
        emit c->messageReceived(action, params);
    }
}

} // namespace Client
