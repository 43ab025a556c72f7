#pragma once

#include "common/net/messagedispatcher.h"
#include "common/net/session.h"

// Recognises the keep-alive pong among the received messages and stops the pong time-out.
// Runs in the network thread, with a session part of its own (no shared singleton there).
class MessageDispatcher : public Common::MessageDispatcher
{
    Q_OBJECT

public:
    explicit MessageDispatcher(QObject *parent = nullptr);
    ~MessageDispatcher() override;

    void dispatch(const QJsonObject &message) override;
    void dispatch(const QString &controller, const QString &method, const QVariantMap &params) override;

private:
    Common::Session m_session{QStringLiteral("userSession")};
};
