#pragma once

#include "common/net/apinetwork.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QVector>

namespace Client {

namespace Controller {
class ItemController;
}

// The client side of the platform connection: keeps the registry of live item controllers and
// hands every received text message to the controllers of that protocol name. Delivery runs
// queued in the thread that created the network (the GUI thread), never in the network thread.
class ApiNetwork : public Common::ApiNetwork
{
    Q_OBJECT

public:
    ApiNetwork();
    ~ApiNetwork() override;

    // Controllers living in another thread than the registry's are not registered.
    void registerController(Controller::ItemController *controller);
    void unregisterController(Controller::ItemController *controller);
    int controllerCount() const;

    void dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params) override;

private:
    void deliver(const QString &controller, const QString &action, const QVariantMap &params);

    QObject m_delivery;
    mutable QMutex m_mutex;
    QVector<Controller::ItemController *> m_controllers;
    QVector<Controller::ItemController *> m_unnamed;
    QHash<Controller::ItemController *, QString> m_names;
};

} // namespace Client
