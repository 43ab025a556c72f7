#pragma once

#include "optionrights.h"
#include "sentmessages.h"

#include <QObject>
#include <QVariantList>

#include <memory>

namespace Client {
class ApiNetwork;
}

// The platform connection as QML tests script it: the process-wide client network without a
// socket, the messages the controllers send, and the server's answers and pushes, delivered at
// once. Also grants the signed-in user's read rights that list requests need.
class ScriptedNetwork : public QObject
{
    Q_OBJECT

public:
    explicit ScriptedNetwork(QObject *parent = nullptr);
    ~ScriptedNetwork() override;

    // The messages sent since the last clear(), as their maps.
    Q_INVOKABLE QVariantList sent() const;
    // Their "FN" texts, such as "city_trInfo".
    Q_INVOKABLE QStringList sentNames() const;
    Q_INVOKABLE void clear();
    // An answer or push of the server for every controller of the name; handled when this returns.
    Q_INVOKABLE void answer(const QString &controllerName, const QString &action, const QVariantMap &params);
    Q_INVOKABLE void grantRead(const QString &controllerName);

private:
    std::unique_ptr<Client::ApiNetwork> m_network;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<OptionRights> m_rights;
};
