#pragma once

#include "common/core/callqueue.h"
#include "common/net/apinetwork.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

#include <atomic>
#include <mutex>

namespace Client {

namespace Controller {
class ItemController;
}

// The client side of the platform connection: keeps the registry of live item controllers and
// hands every received text message to the controllers of that protocol name, in registration
// order. Delivery runs queued in the thread that created the network (the GUI thread), never in
// the network thread; finding the receivers of a message costs the number of receivers only.
class ApiNetwork : public Common::ApiNetwork
{
    Q_OBJECT

public:
    ApiNetwork();
    ~ApiNetwork() override;

    // The process's network where it is a client one and still exists; null otherwise.
    static ApiNetwork *current();

    // Controllers living in another thread than the registry's are not registered.
    void registerController(Controller::ItemController *controller);
    void unregisterController(Controller::ItemController *controller);
    int controllerCount() const;
    // Messages addressed to the controller's number reach it alone, not the other controllers of
    // its name: answers that no page may take.
    void keepAnswersPrivate(Controller::ItemController *controller);

    void dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params) override;
    // The newest dt_utc_last_update of the messages delivered so far: the database's clock had
    // passed it by then, so a record stored later is stamped no earlier. 0 before any.
    qint64 newestStamp() const { return m_newestStamp; }
    // The record ids of the messages of a controller name that carried newestStamp(): read before
    // now, whatever list or search read them.
    QStringList newestIds(const QString &controller) const;

private:
    // Each receiver but the last gets a copy: the last takes the message itself, which its row
    // hook then changes without copying it.
    void deliver(const QString &controller, const QString &action, QVariantMap params);
    // Keeps the newest stamp delivered and the ids that carried it.
    void noteStamp(const QString &controller, qint64 stamp, const QString &id);
    // Files the controllers registered since the last delivery under their protocol names.
    void nameNewControllers();

    // Lives in the registry's thread: the messages on their way to their controllers.
    Common::CallQueue m_delivery;
    mutable std::mutex m_mutex;
    QSet<Controller::ItemController *> m_registered;
    QVector<Controller::ItemController *> m_unnamed;
    QHash<QString, QVector<Controller::ItemController *>> m_byName;
    QHash<Controller::ItemController *, QString> m_names;
    // Number -> controller of keepAnswersPrivate; mostly empty, so delivery seldom looks.
    QHash<QString, Controller::ItemController *> m_private;
    std::atomic<quint64> m_removals{0};
    qint64 m_newestStamp = 0;
    // Controller name -> ids of the messages delivered with m_newestStamp.
    QHash<QString, QSet<QString>> m_newestIds;
};

} // namespace Client
