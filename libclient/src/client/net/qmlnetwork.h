#pragma once

#include <QObject>
#include <QPointer>

namespace Common {
class ApiNetwork;
}

namespace Client {

// Shows the process-wide network object to QML ("NET").
class QmlNetwork : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qlonglong amountConnected READ amountConnected WRITE setAmountConnected NOTIFY amountConnectedChanged)

public:
    // Over the given network, or the process-wide one.
    explicit QmlNetwork(Common::ApiNetwork *network = nullptr);
    ~QmlNetwork() override;

    qlonglong amountConnected() const;
    void setAmountConnected(qlonglong amount);

    Q_INVOKABLE QString host() const;
    Q_INVOKABLE int port() const;
    Q_INVOKABLE void setSign(const QString &value);
    Q_INVOKABLE QString sign() const;
    Q_INVOKABLE void setPwd(const QString &value);
    Q_INVOKABLE void makeConnection();
    Q_INVOKABLE void closeConnection();

signals:
    void connectionState(bool is_connected);
    void amountConnectedChanged(qlonglong amountConnected);

private:
    // Cleared when the network goes before this object.
    QPointer<Common::ApiNetwork> m_network;
};

} // namespace Client
