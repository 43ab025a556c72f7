#pragma once

#include "client/net/apinetwork.h"
#include "common/core/callqueue.h"

#include <QHash>
#include <QObject>
#include <QVector>

#include <mutex>

namespace Gui {

namespace Controller {
class AbstractController;
}

// The connection of the shell: hands every received message first to the QML-side controllers
// of its name and then to the widget-side ones. Widget-side controllers get their messages
// queued in the GUI thread, never while the receiver list is held.
class Network : public Client::ApiNetwork
{
    Q_OBJECT

public:
    Network();
    ~Network() override;

    void registerController(Controller::AbstractController *controller);
    void unregisterController(Controller::AbstractController *controller);

    void dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params) override;

private:
    void deliver(const QString &controller, const QString &action, const QVariantMap &params);
    // Whether a widget-side controller may take messages of that name: one has it, or one is not
    // named yet. Under the mutex.
    bool mayReceive(const QString &controller) const;

    Common::CallQueue m_delivery;
    std::mutex m_mutex;
    QVector<Controller::AbstractController *> m_receivers;
    // Protocol names, read in the GUI thread at the first delivery after registration.
    QHash<Controller::AbstractController *, QString> m_names;
};

} // namespace Gui
