#pragma once

#include "common/core/callqueue.h"
#include "framereader.h"
#include "repeatedtexts.h"
#include "netdto.h"
#include "network.h"

#include <QJsonObject>
#include <QList>
#include <QSharedPointer>
#include <QVariantMap>

#include <atomic>
#include <functional>

namespace Common {

class MessageDispatcher;

// The client's message channel: frames outgoing messages (JSON frames and compressed text
// frames), decodes incoming ones, ends the connection on a refused sign-in and hands every
// message to the dispatcher and to the dispatchMessage hook of subclasses.
class ApiNetwork : public Network
{
    Q_OBJECT

public:
    ApiNetwork();
    ~ApiNetwork() override;

    void setSign(const QString &sign) { m_sign.set(sign); }
    QString sign() const { return m_sign.get(); }
    void setPwd(const QString &pwd) { m_pwd.set(pwd); }
    QString pwd() const { return m_pwd.get(); }
    bool jsonMode() const { return m_jsonMode.load(); }

    void setMessageDispatcher(QSharedPointer<MessageDispatcher> dispatcher);
    void setMaxFrameSize(qint64 bytes) { m_reader = FrameReader(bytes); }

    // Called in the network thread for every decoded text message, before messageReceived.
    virtual void dispatchMessage(const QString &controller, const QString &action, const QVariantMap &params);

    // The text of a received text frame: all of its bytes as UTF-8, NULs included.
    static QString frameText(const QByteArray &raw);
    // Splits a decoded text frame into messages: pieces between "[END]" markers, skipping
    // empty ones and a piece equal to the one just handled.
    static QList<QVariantMap> decodeTextFrame(const QString &text);
    // The same, sharing the texts that recur with the messages read before through repeated.
    static QList<QVariantMap> decodeTextFrame(const QString &text, RepeatedTexts *repeated);
    // A JSON "resCode" as an integer: a number or a numeric text; 0 when absent or not numeric.
    static int resCode(const QJsonObject &message);

signals:
    void messageReceived(QVariantMap mapParams);
    void messageReceived(QJsonObject message);
    void fireTrAuth();
    void sendMessage(NetDTO message);
    void sendMessage(QJsonObject message);
    void sendListMessages(QList<NetDTO> messages);

protected:
    void run() override;

private slots:
    void onSocketConnected() override;
    void onSocketReadyRead() override;

private:
    // Runs call at once in the network thread, from another thread queued to it (m_sends).
    void runInNetworkThread(std::function<void()> call);
    void sendJson(const QJsonObject &message);
    void sendMessages(const QList<NetDTO> &messages);
    // Sends the UTF-8 text of messages as one compressed text frame.
    void sendText(const QByteArray &text);
    void handleTextMessage(const QVariantMap &message);
    void handleJsonMessage(const QJsonObject &message);
    // Logs a frame's text; the text is only decoded when debug records are written.
    void logDebug(QLatin1String what, const QByteArray &utf8) const;

    Guarded<QString> m_sign;
    Guarded<QString> m_pwd;
    std::atomic<bool> m_jsonMode{false};
    QSharedPointer<MessageDispatcher> m_dispatcher;
    // Lives in the network thread: the messages emitted in other threads, on their way to it.
    CallQueue m_sends;
    FrameReader m_reader;
    // Keys and flags of consecutive list rows, kept once across frames (network thread only).
    RepeatedTexts m_repeatedTexts;
};

} // namespace Common
