#include "qmlnetwork.h"

#include "common/net/abstractcontroller.h"
#include "common/net/apinetwork.h"

namespace Client {

QmlNetwork::QmlNetwork(Common::ApiNetwork *network)
    : m_network(network ? network : Common::AbstractController::network())
{
    if (!m_network)
        return;
    connect(m_network, &Common::Network::connectionState, this, &QmlNetwork::connectionState);
    connect(m_network, &Common::Network::amountConnectedChanged, this, &QmlNetwork::amountConnectedChanged);
}

QmlNetwork::~QmlNetwork() = default;

qlonglong QmlNetwork::amountConnected() const
{
    return m_network ? m_network->amountConnected() : 0;
}

void QmlNetwork::setAmountConnected(qlonglong amount)
{
    if (m_network)
        m_network->setAmountConnected(amount);
}

QString QmlNetwork::host() const
{
    return m_network ? m_network->host() : QString();
}

int QmlNetwork::port() const
{
    return m_network ? m_network->port() : 0;
}

void QmlNetwork::setSign(const QString &value)
{
    if (m_network)
        m_network->setSign(value);
}

QString QmlNetwork::sign() const
{
    return m_network ? m_network->sign() : QString();
}

void QmlNetwork::setPwd(const QString &value)
{
    if (m_network)
        m_network->setPwd(value);
}

void QmlNetwork::makeConnection()
{
    if (m_network)
        emit m_network->makeConnection();
}

void QmlNetwork::closeConnection()
{
    if (m_network)
        emit m_network->closeConnection();
}

} // namespace Client
