#include "answerlossproxy.h"

#include "common/net/framereader.h"
#include "common/net/messagetext.h"
#include "timelimit.h"

#include <QTcpSocket>
#include <QtEndian>

#include <utility>

struct AnswerLossProxy::Relay
{
    QTcpSocket *client = nullptr;
    QTcpSocket *server = nullptr;
    Common::FrameReader fromClient;
    Common::FrameReader fromServer;
    // The request whose answer is to be lost, the message of the answer at which that happens and
    // how many such messages pass first; while set, the server's frames pass one by one.
    QString lostRequest;
    QString lostAnswer;
    int passing = 0;
    // The lost answer is dropped alone, and the frames after it pass.
    bool dropOnly = false;
    // Nothing passes either way any more.
    bool silent = false;
    // The server's frames pass through the reader, so that they can be held back; the bytes the
    // reader holds, to pass a frame it cannot read as it came.
    bool framed = false;
    QByteArray unread;
    // The reader met a frame whose end it cannot tell: everything passes as it comes.
    bool unframed = false;
    // The answer from which the server's frames are held (after holdSkip such answers), or which
    // is held alone, and those held so far.
    QString holdFrom;
    int holdSkip = 0;
    bool holdAlone = false;
    bool holding = false;
    QByteArray held;
    // The client's bytes held from the held request on.
    bool holdingRequests = false;
    QByteArray heldRequests;
};

namespace {

QStringList messageNames(const Common::FrameReader::Frame &frame)
{
    if (frame.kind == Common::FrameReader::Kind::Json)
        return {frame.json.value(QStringLiteral("FN")).toString()};
    QStringList names;
    const QString text = QString::fromUtf8(frame.raw);
    for (const QStringRef &piece : text.splitRef(QLatin1String("[END]")))
        names.append(Common::parseMessage(piece).value(QStringLiteral("FN")).toString());
    return names;
}

// The frame's bytes as a sender writes them.
QByteArray encoded(const Common::FrameReader::Frame &frame)
{
    if (frame.kind == Common::FrameReader::Kind::Text)
        return qCompress(frame.raw, 9) + Common::FrameReader::endMarker;
    QByteArray bytes(4, '\0');
    qToBigEndian<qint32>(qint32(frame.raw.size()), bytes.data());
    return bytes + frame.raw;
}

// The size of the frame at the start of bytes that the reader refused, when its end is known: a
// JSON frame's declared length, a text frame up to its end marker; 0 otherwise.
qint64 refusedFrameSize(const QByteArray &bytes)
{
    if (bytes.size() <= 4)
        return 0;
    const qint64 length = qFromBigEndian<qint32>(bytes.constData());
    if (bytes.at(4) == '{')
        return length > 0 && bytes.size() >= 4 + length ? 4 + length : 0;
    const int end = bytes.indexOf(Common::FrameReader::endMarker, 4);
    return bytes.at(4) == 0x78 && end >= 0 ? end + Common::FrameReader::endMarker.size() : 0;
}

} // namespace

AnswerLossProxy::AnswerLossProxy(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &AnswerLossProxy::accept);
}

AnswerLossProxy::~AnswerLossProxy()
{
    // The sockets go with the server socket: none of them may reach a relay that is gone.
    for (Relay *relay : qAsConst(m_relays)) {
        relay->client->disconnect(this);
        relay->server->disconnect(this);
        delete relay;
    }
}

bool AnswerLossProxy::listen(int targetPort)
{
    m_targetPort = targetPort;
    return m_server.listen(QHostAddress::LocalHost);
}

int AnswerLossProxy::port() const
{
    return m_server.serverPort();
}

void AnswerLossProxy::loseAnswerTo(const QString &fn, bool thenRefuse)
{
    m_armed = fn;
    m_armedRows = 0;
    m_refuseAfterLoss = thenRefuse;
}

void AnswerLossProxy::cutListAnswer(const QString &fn, int rows, bool thenRefuse)
{
    m_armed = fn;
    m_armedRows = rows;
    m_refuseAfterLoss = thenRefuse;
}

void AnswerLossProxy::loseRequest(const QString &fn, bool thenRefuse)
{
    m_armedRequest = fn;
    m_refuseAfterLoss = thenRefuse;
}

void AnswerLossProxy::silenceAt(const QString &fn)
{
    m_armedSilence = fn;
}

void AnswerLossProxy::dropAnswerTo(const QString &fn)
{
    m_armedDrop = fn;
    m_armedRows = 0;
}

void AnswerLossProxy::holdAnswerTo(const QString &fn, int skip)
{
    m_armedHolds.append({fn, skip});
}

void AnswerLossProxy::holdAnswerAloneTo(const QString &fn)
{
    m_armedHolds.append({fn, 0, true});
}

bool AnswerLossProxy::holdsAnswer() const
{
    for (const Relay *relay : m_relays) {
        if (relay->holding || !relay->held.isEmpty())
            return true;
    }
    return false;
}

void AnswerLossProxy::holdRequest(const QString &fn)
{
    m_armedRequestHold = fn;
}

void AnswerLossProxy::releaseHeld()
{
    for (Relay *relay : qAsConst(m_relays)) {
        relay->holding = false;
        relay->client->write(std::exchange(relay->held, QByteArray()));
        relay->holdingRequests = false;
        relay->server->write(std::exchange(relay->heldRequests, QByteArray()));
    }
    m_heldRequests.clear();
}

void AnswerLossProxy::disarm()
{
    for (QString *armed : {&m_armed, &m_armedRequest, &m_armedSilence, &m_armedDrop, &m_armedRequestHold})
        armed->clear();
    m_armedHolds.clear();
    m_armedRows = 0;
}

void AnswerLossProxy::cut(bool thenRefuse)
{
    m_refusing = thenRefuse;
    while (!m_relays.isEmpty())
        close(m_relays.first());
}

void AnswerLossProxy::accept()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        if (m_refusing) {
            ++m_refused;
            client->abort();
            client->deleteLater();
            continue;
        }
        auto *relay = new Relay;
        relay->client = client;
        relay->server = new QTcpSocket(client);
        m_relays.append(relay);
        connect(client, &QTcpSocket::readyRead, this, [this, relay] { fromClient(relay); });
        connect(relay->server, &QTcpSocket::readyRead, this, [this, relay] { fromServer(relay); });
        connect(client, &QTcpSocket::disconnected, this, [this, relay] { close(relay); });
        connect(relay->server, &QTcpSocket::disconnected, this, [this, relay] { close(relay); });
        // No server: the client's connection ends as it would without the relay.
        connect(relay->server, &QTcpSocket::errorOccurred, this, [this, relay] { close(relay); });
        // What the client sends before the server is reached waits in the socket.
        connect(relay->server, &QTcpSocket::connected, this, [this, relay] { fromClient(relay); });
        relay->server->connectToHost(QHostAddress::LocalHost, quint16(m_targetPort));
    }
}

void AnswerLossProxy::fromClient(Relay *relay)
{
    if (relay->server->state() != QAbstractSocket::ConnectedState)
        return;
    const QByteArray bytes = relay->client->readAll();
    if (relay->silent)
        return;
    relay->fromClient.append(bytes);
    Common::FrameReader::Frame frame;
    while (relay->fromClient.next(&frame) == Common::FrameReader::Status::Frame) {
        const QStringList names = messageNames(frame);
        if (!m_armedRequest.isEmpty() && names.contains(m_armedRequest)) {
            // What came with it in the same read is lost as well, as on a broken connection.
            lose(relay, std::exchange(m_armedRequest, QString()));
            return;
        }
        if (!m_armedSilence.isEmpty() && names.contains(m_armedSilence)) {
            relay->silent = true;
            const QString fn = std::exchange(m_armedSilence, QString());
            m_lost.append(fn);
            emit answerLost(fn);
            return;
        }
        // What came with it in the same read waits as well.
        if (!m_armedRequestHold.isEmpty() && names.contains(m_armedRequestHold)) {
            m_armedRequestHold.clear();
            relay->holdingRequests = true;
        }
        for (int i = 0; i < m_armedHolds.size(); ++i) {
            if (!names.contains(m_armedHolds.at(i).fn))
                continue;
            const ArmedHold armed = m_armedHolds.takeAt(i);
            relay->holdFrom = QString(armed.fn).replace(QLatin1String("_tr"), QLatin1String("_sa"));
            relay->holdSkip = armed.skip;
            relay->holdAlone = armed.alone;
            relay->framed = true;
            break;
        }
        if (relay->holdingRequests)
            m_heldRequests += names;
        const bool drop = !m_armedDrop.isEmpty() && names.contains(m_armedDrop);
        if (drop)
            m_armed = std::exchange(m_armedDrop, QString());
        if (!m_armed.isEmpty() && names.contains(m_armed)) {
            relay->dropOnly = drop;
            relay->lostRequest = std::exchange(m_armed, QString());
            relay->lostAnswer = relay->lostRequest;
            relay->lostAnswer.replace(QLatin1String("_tr"), QLatin1String("_sa"));
            // A cut list loses its rows from the first one that does not pass.
            if (m_armedRows > 0)
                relay->lostAnswer = relay->lostRequest.section(QLatin1Char('_'), 0, 0) + QLatin1String("_saListInfo");
            relay->passing = m_armedRows;
            relay->framed = true;
        }
    }
    if (relay->holdingRequests)
        relay->heldRequests += bytes;
    else
        relay->server->write(bytes);
}

void AnswerLossProxy::lose(Relay *relay, QString fn)
{
    // What passed before the loss reaches the client, as over a network that breaks after it.
    while (relay->client->bytesToWrite() > 0 && relay->client->waitForBytesWritten(timeLimit(10000))) {
    }
    m_lost.append(fn);
    m_refusing = m_refuseAfterLoss;
    close(relay);
    emit answerLost(fn);
}

void AnswerLossProxy::fromServer(Relay *relay)
{
    const QByteArray bytes = relay->server->readAll();
    if (relay->silent)
        return;
    if (relay->unframed) {
        pass(relay, bytes);
        return;
    }
    if (!relay->framed) {
        relay->client->write(bytes);
        return;
    }
    relay->fromServer.append(bytes);
    relay->unread.append(bytes);
    Common::FrameReader::Frame frame;
    for (;;) {
        const Common::FrameReader::Status status = relay->fromServer.next(&frame);
        if (status == Common::FrameReader::Status::Error && passRefused(relay))
            continue;
        if (status != Common::FrameReader::Status::Frame)
            break;
        if (!relay->holdFrom.isEmpty() && messageNames(frame).contains(relay->holdFrom) && relay->holdSkip-- == 0) {
            relay->holdFrom.clear();
            if (relay->holdAlone) {
                relay->held += encoded(frame);
                continue;
            }
            relay->holding = true;
        }
        if (relay->holding) {
            relay->held += encoded(frame);
            continue;
        }
        if (!relay->lostRequest.isEmpty() && messageNames(frame).contains(relay->lostAnswer)
            && relay->passing-- == 0) {
            if (!relay->dropOnly) {
                lose(relay, relay->lostRequest);
                return;
            }
            // The frames after it still pass through the reader, which may hold part of one.
            const QString fn = std::exchange(relay->lostRequest, QString());
            m_lost.append(fn);
            emit answerLost(fn);
            continue;
        }
        relay->client->write(encoded(frame));
    }
    relay->unread.remove(0, int(relay->unread.size() - relay->fromServer.bufferedBytes()));
}

bool AnswerLossProxy::passRefused(Relay *relay)
{
    const QByteArray rest = relay->unread.right(int(relay->fromServer.bufferedBytes()));
    const qint64 size = refusedFrameSize(rest);
    relay->fromServer.clear();
    relay->unread.clear();
    if (size == 0) {
        relay->unframed = true;
        pass(relay, rest);
        return false;
    }
    pass(relay, rest.left(int(size)));
    relay->fromServer.append(rest.mid(int(size)));
    relay->unread = rest.mid(int(size));
    return true;
}

void AnswerLossProxy::pass(Relay *relay, const QByteArray &bytes)
{
    if (relay->holding)
        relay->held += bytes;
    else
        relay->client->write(bytes);
}

void AnswerLossProxy::close(Relay *relay)
{
    if (!m_relays.removeOne(relay))
        return;
    relay->server->disconnect(this);
    relay->client->disconnect(this);
    relay->server->abort();
    relay->client->abort();
    relay->client->deleteLater();
    delete relay;
}
