#pragma once

#include "netdto.h"

#include <QJsonObject>
#include <QList>
#include <QThread>
#include <QVariantMap>

namespace Common {

// The client's message channel to its server.
class ApiNetwork : public QThread
{
    Q_OBJECT

public:
    ApiNetwork();
    ~ApiNetwork() override;

signals:
    void messageReceived(QVariantMap mapParams);
    void messageReceived(QJsonObject message);
    void fireTrAuth();
    void sendMessage(NetDTO message);
    void sendMessage(QJsonObject message);
    void sendListMessages(QList<NetDTO> messages);
};

} // namespace Common
