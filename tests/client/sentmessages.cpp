#include "sentmessages.h"

#include "common/net/apinetwork.h"

SentMessages::SentMessages(Common::ApiNetwork *network)
    : m_spy(network, qOverload<NetDTO>(&Common::ApiNetwork::sendMessage))
{
}

QList<QVariantMap> SentMessages::maps() const
{
    QList<QVariantMap> messages;
    for (const QList<QVariant> &signal : m_spy)
        messages.append(signal.first().value<NetDTO>().mapParams());
    return messages;
}

QStringList SentMessages::names() const
{
    QStringList names;
    for (const QVariantMap &message : maps())
        names.append(message.value(QStringLiteral("FN")).toString());
    return names;
}
