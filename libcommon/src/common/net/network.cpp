#include "network.h"

#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"
#include "common/core/threadhandoff.h"

#include <QDateTime>
#include <QDebug>

#include <atomic>
#include <utility>

namespace Common {

namespace {

std::atomic<Network *> processNetwork{nullptr};

} // namespace

Network::Network()
{
    qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
    m_reconnectDelayTimer.setSingleShot(true);
    m_pongTimer.setSingleShot(true);
    moveToThread(this);
    m_socket.moveToThread(this);
    m_pongTimer.moveToThread(this);
    m_reconnectTimer.moveToThread(this);
    m_pingTimer.moveToThread(this);
    m_reconnectDelayTimer.moveToThread(this);
    // Requests from other threads are wired before the thread starts, so that none emitted
    // between start() and the thread's first instructions is lost; they queue until it runs.
    connect(this, &Network::makeConnection, this, &Network::slotMakeConnection);
    connect(this, &Network::closeConnection, this, &Network::slotCloseConnection);
    connect(this, qOverload<QByteArray, bool>(&Network::sendMessage), this, &Network::writeBytes);
    processNetwork.store(this);
}

Network::~Network()
{
    stopThread();
    Network *self = this;
    processNetwork.compare_exchange_strong(self, nullptr);
}

void Network::stopThread()
{
    if (isRunning()) {
        quit();
        wait();
    }
    // What the thread did up to its end (onFinished) comes before the members go.
    ThreadHandoff::acquire(this);
}

Network *Network::instance()
{
    return processNetwork.load();
}

qlonglong Network::amountConnected() const
{
    return m_amountConnected.loadAcquire();
}

void Network::setAmountConnected(qlonglong amount)
{
    if (m_amountConnected.fetchAndStoreOrdered(amount) != amount)
        emit amountConnectedChanged(amount);
}

void Network::countConnection()
{
    emit amountConnectedChanged(m_amountConnected.fetchAndAddOrdered(1) + 1);
}

QString Network::className() const
{
    return QString::fromLatin1(metaObject()->className());
}

QString Network::endpoint() const
{
    return host() + QLatin1Char(':') + QString::number(port());
}

void Network::run()
{
    connect(this, &QThread::finished, this, &Network::onFinished);
    m_socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Stamped before the bytes are handled, which may take long.
    const auto received = [this] { m_lastReceivedAt = QDateTime::currentMSecsSinceEpoch(); };
    connect(&m_socket, &QTcpSocket::connected, this, received);
    connect(&m_socket, &QTcpSocket::readyRead, this, received);
    connect(&m_socket, &QTcpSocket::connected, this, &Network::onSocketConnected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &Network::onSocketDisconnected);
    connect(&m_socket, &QTcpSocket::readyRead, this, &Network::onSocketReadyRead);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &Network::slotMakeConnection);
    connect(&m_reconnectDelayTimer, &QTimer::timeout, this, &Network::slotMakeConnection);
    // The keep-alive is wired once, by the switch as it stands now.
    m_keepAliveWired = isPingEnabled();
    if (m_keepAliveWired) {
        connect(&m_pingTimer, &QTimer::timeout, this, &Network::sendPing);
        connect(&m_pongTimer, &QTimer::timeout, this, &Network::disconnectByPongTimer);
        connect(this, &Network::stopgPongTimer, this, &Network::onStopPongTimer);
    }
}

void Network::writeBytes(QByteArray message, bool)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.write(message);
}

void Network::closeSocket()
{
    if (m_keepAliveWired) {
        m_pingTimer.stop();
        m_pongTimer.stop();
    }
    m_reconnectTimer.stop();
    m_reconnectDelayTimer.stop();
    disconnect(&m_socket, &QTcpSocket::disconnected, this, &Network::onSocketDisconnected);
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(30000);
    } else {
        // An attempt still looking up or connecting is dropped at once, never waited for.
        m_socket.abort();
    }
    connect(&m_socket, &QTcpSocket::disconnected, this, &Network::onSocketDisconnected);
}

void Network::slotMakeConnection()
{
    closeSocket();
    const QString targetHost = host();
    const int targetPort = port();
    if (targetHost.isEmpty() || targetPort <= 0 || targetPort > 65535) {
        Logger::instance(m_loggerId)->warning(warningLine(
            COMMON_LOCATION, QStringLiteral("Cannot connect without a host and a port: '%1'").arg(endpoint())));
        return;
    }
    if (m_connectionWanted) {
        const QString line = QStringLiteral("Try to connect to %1").arg(endpoint());
        Logger::instance(m_loggerId)->debug(line);
        qInfo().noquote() << line;
    }
    m_socket.connectToHost(targetHost, quint16(targetPort), QIODevice::ReadWrite,
                           QAbstractSocket::AnyIPProtocol);
    m_connectionWanted = true;
    m_reconnectTimer.start(int(m_connectTimeout.count()));
}

void Network::onSocketConnected()
{
    m_reconnectTimer.stop();
    qInfo().noquote() << "Connected to" << endpoint();
}

void Network::onSocketDisconnected()
{
    qInfo().noquote() << "Disconnected from" << endpoint();
    if (!m_connectionWanted)
        return;
    reportLoss();
    if (m_keepAliveWired) {
        m_pingTimer.stop();
        m_pongTimer.stop();
    }
    // The pause runs on a timer, so a close that arrives meanwhile is handled at once.
    m_reconnectDelayTimer.start(int(m_reconnectDelay.count()));
}

void Network::slotCloseConnection()
{
    closeSocket();
    m_connectionWanted = false;
    reportLoss();
}

void Network::reportLoss()
{
    emit connectionLost(std::exchange(m_lastReceivedAt, 0));
    emit connectionState(false);
}

void Network::onFinished()
{
    slotCloseConnection();
    ThreadHandoff::release(this);
}

void Network::onError(QAbstractSocket::SocketError)
{
    Logger::instance(m_loggerId)->warning(warningLine(COMMON_LOCATION, m_socket.errorString()));
}

void Network::sendPing()
{
    if (isPingEnabled())
        m_pongTimer.start(int(m_pongTimeout.count()));
}

void Network::startPingTimer()
{
    if (isPingEnabled() && m_keepAliveWired)
        m_pingTimer.start(int(m_pingInterval.count()));
}

void Network::onStopPongTimer()
{
    m_pongTimer.stop();
}

void Network::disconnectByPongTimer()
{
    closeSocket();
    onSocketDisconnected();
}

void Network::dropConnection(const QString &reason)
{
    Logger::instance(m_loggerId)->warning(warningLine(COMMON_LOCATION, reason));
    closeSocket();
    onSocketDisconnected();
}

} // namespace Common
