#include "apinetwork.h"

#include "common/core/exception/exception.h"
#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"
#include "common/core/utils/utils.h"
#include "abstractcontroller.h"
#include "messagedispatcher.h"
#include "messagetext.h"

#include <QJsonDocument>

namespace Common {

ApiNetwork::ApiNetwork()
{
    NetDTO::registerMetaTypes();
    m_sends.moveToThread(this);
    // A message emitted in another thread is copied there and handed to the network thread as a
    // posted call (CallQueue), so that the copy is our code's, checked under ThreadSanitizer, and
    // not Qt's of a queued signal's arguments. In the network thread it is sent at once.
    connect(this, qOverload<NetDTO>(&ApiNetwork::sendMessage), this,
            [this](const NetDTO &message) { runInNetworkThread([this, message] { sendMessages({message}); }); },
            Qt::DirectConnection);
    connect(this, qOverload<QJsonObject>(&ApiNetwork::sendMessage), this,
            [this](const QJsonObject &message) { runInNetworkThread([this, message] { sendJson(message); }); },
            Qt::DirectConnection);
    connect(this, &ApiNetwork::sendListMessages, this,
            [this](const QList<NetDTO> &messages) { runInNetworkThread([this, messages] { sendMessages(messages); }); },
            Qt::DirectConnection);
}

ApiNetwork::~ApiNetwork()
{
    stopThread();
    m_dispatcher.reset();
    if (AbstractController::network() == this)
        AbstractController::setNetwork(nullptr);
}

void ApiNetwork::runInNetworkThread(std::function<void()> call)
{
    if (QThread::currentThread() == m_sends.thread())
        call();
    else
        m_sends.post(std::move(call));
}

void ApiNetwork::setMessageDispatcher(QSharedPointer<MessageDispatcher> dispatcher)
{
    if (m_dispatcher) {
        disconnect(this, nullptr, m_dispatcher.data(), nullptr);
    }
    m_dispatcher = dispatcher;
    if (!m_dispatcher)
        return;
    m_dispatcher->moveToThread(this);
    connect(this, qOverload<QVariantMap>(&ApiNetwork::messageReceived), m_dispatcher.data(),
            qOverload<QVariantMap>(&MessageDispatcher::onMessageReceived));
    connect(this, qOverload<QJsonObject>(&ApiNetwork::messageReceived), m_dispatcher.data(),
            qOverload<QJsonObject>(&MessageDispatcher::onMessageReceived));
}

void ApiNetwork::dispatchMessage(const QString &, const QString &, const QVariantMap &)
{
}

void ApiNetwork::run()
{
    Network::run();
}

void ApiNetwork::onSocketConnected()
{
    Network::onSocketConnected();
    m_reader.clear();
    countConnection();
    emit fireTrAuth();
    emit connectionState(true);
    startPingTimer();
}

void ApiNetwork::sendJson(const QJsonObject &message)
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    const QByteArray frame = jsonFrame(message);
    if (m_socket.write(frame) != -1)
        logDebug(QLatin1String("SEND: "), frame.mid(4));
}

void ApiNetwork::sendMessages(const QList<NetDTO> &messages)
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    sendText(messagesUtf8(sign(), messages));
}

void ApiNetwork::sendText(const QByteArray &text)
{
    if (m_socket.state() != QAbstractSocket::ConnectedState || text.isEmpty())
        return;
    QByteArray frame = qCompress(text, 9);
    frame.append(FrameReader::endMarker);
    if (m_socket.write(frame) != -1)
        logDebug(QLatin1String("SEND: "), text);
}

void ApiNetwork::logDebug(QLatin1String what, const QByteArray &utf8) const
{
    Logger *logger = Logger::instance(m_loggerId);
    if (logger->writesDebug())
        logger->debug(what + frameText(utf8));
}

QString ApiNetwork::frameText(const QByteArray &raw)
{
    // QString::fromUtf8(QByteArray) stops at the first NUL.
    return QString::fromUtf8(raw.constData(), raw.size());
}

QList<QVariantMap> ApiNetwork::decodeTextFrame(const QString &text)
{
    RepeatedTexts repeated;
    return decodeTextFrame(text, &repeated);
}

QList<QVariantMap> ApiNetwork::decodeTextFrame(const QString &text, RepeatedTexts *repeated)
{
    QList<QVariantMap> messages;
    QStringRef last;
    const QVector<QStringRef> pieces = text.splitRef(QLatin1String("[END]"));
    for (const QStringRef &piece : pieces) {
        if (piece.isEmpty() || piece == last)
            continue;
        last = piece;
        messages.append(parseMessage(piece, repeated));
    }
    return messages;
}

int ApiNetwork::resCode(const QJsonObject &message)
{
    const QJsonValue code = message.value(QStringLiteral("resCode"));
    if (code.isDouble())
        return code.toInt();
    bool ok = false;
    const int value = code.toString().trimmed().toInt(&ok);
    return ok ? value : 0;
}

void ApiNetwork::onSocketReadyRead()
{
    m_reader.append(m_socket.readAll());
    Logger *logger = Logger::instance(m_loggerId);
    try {
        FrameReader::Frame frame;
        for (;;) {
            const FrameReader::Status status = m_reader.next(&frame);
            if (status == FrameReader::Status::NeedMore)
                return;
            if (status == FrameReader::Status::Error) {
                const QString reason = m_reader.errorString();
                m_reader.clear();
                dropConnection(QStringLiteral("Undecodable data from %1:%2, connection dropped: %3")
                                   .arg(host()).arg(port()).arg(reason));
                return;
            }
            if (frame.kind == FrameReader::Kind::Json) {
                m_jsonMode = true;
                handleJsonMessage(frame.json);
                logDebug(QLatin1String("RECEIVE: "), frame.raw);
            } else {
                m_jsonMode = false;
                const QString text = frameText(frame.raw);
                logDebug(QLatin1String("RECEIVE: "), frame.raw);
                for (const QVariantMap &message : decodeTextFrame(text, &m_repeatedTexts))
                    handleTextMessage(message);
            }
        }
    } catch (const Exception &e) {
        logger->warning(QStringLiteral("%1 exception, description: '%2'.").arg(COMMON_LOCATION, e.message()));
    }
}

void ApiNetwork::handleTextMessage(const QVariantMap &message)
{
    const QStringList fn = message.value(QStringLiteral("FN")).toString().split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (fn.size() >= 2) {
        if (fn.at(0) == QLatin1String("auth") && fn.at(1) == QLatin1String("saFailed"))
            emit closeConnection();
        dispatchMessage(fn.at(0), fn.at(1), message);
    }
    emit messageReceived(message);
}

void ApiNetwork::handleJsonMessage(const QJsonObject &message)
{
    if (message.value(QStringLiteral("controller")).toString() == QLatin1String("auth")
        && message.value(QStringLiteral("method")).toString() == QLatin1String("auth")
        && resCode(message) == 0) {
        emit closeConnection();
    }
    emit messageReceived(message);
}

} // namespace Common
