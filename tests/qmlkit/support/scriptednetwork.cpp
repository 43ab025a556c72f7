#include "scriptednetwork.h"

#include "client/net/apinetwork.h"
#include "common/core/callqueue.h"
#include "common/net/abstractcontroller.h"

#include <QCoreApplication>

ScriptedNetwork::ScriptedNetwork(QObject *parent)
    : QObject(parent)
    , m_network(std::make_unique<Client::ApiNetwork>())
{
    Common::AbstractController::setNetwork(m_network.get());
    m_sent = std::make_unique<SentMessages>(m_network.get());
    // The signed-in user of the QML stand-ins: owner 2 in group 1.
    m_rights = std::make_unique<OptionRights>(QStringLiteral("1"), QStringLiteral("2"));
}

ScriptedNetwork::~ScriptedNetwork()
{
    Common::AbstractController::setNetwork(nullptr);
}

QVariantList ScriptedNetwork::sent() const
{
    QVariantList messages;
    for (const QVariantMap &message : m_sent->maps())
        messages.append(message);
    return messages;
}

QStringList ScriptedNetwork::sentNames() const
{
    QStringList names;
    for (const QVariantMap &message : m_sent->maps())
        names.append(message.value(QStringLiteral("FN")).toString());
    return names;
}

void ScriptedNetwork::clear()
{
    m_sent->clear();
}

void ScriptedNetwork::answer(const QString &controllerName, const QString &action, const QVariantMap &params)
{
    m_network->dispatchMessage(controllerName, action, params);
    // The delivery, then the queued calls of its handlers.
    QCoreApplication::sendPostedEvents(nullptr, Common::CallQueue::eventType());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void ScriptedNetwork::grantRead(const QString &controllerName)
{
    m_rights->grantRead(controllerName);
}
