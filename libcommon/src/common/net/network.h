#pragma once

#include <QByteArray>
#include "common/core/guarded.h"

#include <QString>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <chrono>

namespace Common {

// The thread that owns the client's single TCP connection: connects on request, retries an
// attempt that hangs, reconnects after a loss until told to stop, and runs the ping/pong
// keep-alive. Everything but the guarded setters runs in its own thread.
class Network : public QThread
{
    Q_OBJECT
    Q_PROPERTY(qlonglong amountConnected READ amountConnected WRITE setAmountConnected NOTIFY amountConnectedChanged)

public:
    Network();
    ~Network() override;

    static Network *instance();

    void setHost(const QString &host) { m_host.set(host); }
    QString host() const { return m_host.get(); }
    void setPort(int port) { m_port.set(port); }
    int port() const { return m_port.get(); }
    void setPingEnabled(bool enabled) { m_pingEnabled.set(enabled); }
    bool isPingEnabled() const { return m_pingEnabled.get(); }

    qlonglong amountConnected() const;
    void setAmountConnected(qlonglong amount);
    // Adds one to amountConnected with an atomic add and tells the new count.
    void countConnection();

    // Intervals; set them before the thread starts.
    void setPingInterval(std::chrono::milliseconds interval) { m_pingInterval = interval; }
    void setPongTimeout(std::chrono::milliseconds timeout) { m_pongTimeout = timeout; }
    void setConnectTimeout(std::chrono::milliseconds timeout) { m_connectTimeout = timeout; }
    void setReconnectDelay(std::chrono::milliseconds delay) { m_reconnectDelay = delay; }
    std::chrono::milliseconds pingInterval() const { return m_pingInterval; }
    std::chrono::milliseconds pongTimeout() const { return m_pongTimeout; }

    void startPingTimer();
    virtual QString className() const;

signals:
    void sendMessage(QByteArray message, bool block4write = false);
    void makeConnection();
    void closeConnection();
    void stopgPongTimer();
    void amountConnectedChanged(qlonglong amountConnected);
    void connectionState(bool isConnected);
    // Emitted just before connectionState(false): lastReceivedAt (the system clock's milliseconds
    // since the epoch) is when bytes last came from the server, so the connection was known to be
    // alive up to then and no later; a silent loss is noticed long after it. 0 when none came.
    void connectionLost(qint64 lastReceivedAt);

protected slots:
    virtual void onSocketConnected();
    virtual void onSocketDisconnected();
    virtual void onError(QAbstractSocket::SocketError socketError);
    virtual void onSocketReadyRead() = 0;
    void slotMakeConnection();
    void slotCloseConnection();
    virtual void onFinished();
    virtual void sendPing();

private slots:
    void disconnectByPongTimer();
    void onStopPongTimer();
    void writeBytes(QByteArray message, bool block4write);

protected:
    void run() override;
    // Quits the thread and waits for it. Every level's destructor calls it first, since the
    // thread may still use that level's members.
    void stopThread();
    // Drops the connection after a protocol violation; a new attempt follows as after any loss.
    void dropConnection(const QString &reason);
    void closeSocket();

    int m_loggerId = 0;
    QTcpSocket m_socket;

private:
    QString endpoint() const;
    void reportLoss();

    std::chrono::milliseconds m_pingInterval{std::chrono::seconds(20)};
    std::chrono::milliseconds m_pongTimeout{std::chrono::seconds(5)};
    std::chrono::milliseconds m_connectTimeout{std::chrono::seconds(5)};
    std::chrono::milliseconds m_reconnectDelay{std::chrono::seconds(1)};
    bool m_connectionWanted = false;
    QAtomicInteger<qlonglong> m_amountConnected{0};
    QTimer m_reconnectTimer;
    QTimer m_pingTimer;
    QTimer m_pongTimer;
    QTimer m_reconnectDelayTimer;
    Guarded<QString> m_host;
    Guarded<int> m_port{0};
    Guarded<bool> m_pingEnabled{false};
    bool m_keepAliveWired = false;
    // When the connection was made or bytes last came over it.
    qint64 m_lastReceivedAt = 0;
};

} // namespace Common
