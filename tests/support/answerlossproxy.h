#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <memory>

class QTcpSocket;

// A TCP relay between the program and the stand-in that can lose one answer as a broken network
// does: the request named passes and is carried out, then the server's answer to it never
// reaches the client, whose connection is closed at that moment. Or it cuts a list answer after
// some of its rows, or loses the request itself, which then never reaches the server, or lets the
// connection die silently at a request, or drops an answer alone, or holds an answer or a request
// back as a slow network does. Everything else passes, a frame it cannot read as it came.
class AnswerLossProxy : public QObject
{
    Q_OBJECT

public:
    explicit AnswerLossProxy(QObject *parent = nullptr);
    ~AnswerLossProxy() override;

    // Listens on a free loopback port and relays to the target port; false when it cannot listen.
    bool listen(int targetPort);
    int port() const;
    // The answer to the next request with that "FN" (for example "city_trNew") is lost; with
    // thenRefuse, connections are refused from then on until release().
    void loseAnswerTo(const QString &fn, bool thenRefuse = false);
    // The answer to the next list request with that "FN" ("driver_trGetList") reaches the client
    // up to its first rows rows; the connection is closed before the next one.
    void cutListAnswer(const QString &fn, int rows, bool thenRefuse = false);
    // The next request with that "FN" never reaches the server: the client's connection is closed
    // when it is sent.
    void loseRequest(const QString &fn, bool thenRefuse = false);
    // From the next request with that "FN" on, nothing passes either way on its connection,
    // which stays open as one that died without a word: the request never reaches the server,
    // and nothing the server sends reaches the client, until cut().
    void silenceAt(const QString &fn);
    // The answer to the next request with that "FN" never reaches the client, as if the server
    // never sent it; what follows passes, and the connection stays until cut().
    void dropAnswerTo(const QString &fn);
    // The answer to the next request with that "FN" waits, with everything the server sends after
    // it, until releaseHeld(); the requests still pass. Holds armed for other names wait for their
    // own requests. With skip, that many answers to the name pass first (a second read held while
    // the first one's answer passes).
    void holdAnswerTo(const QString &fn, int skip = 0);
    // The answer to the next request with that "FN" waits alone until releaseHeld(): what the
    // server sends after it passes, as from a server that answers a slow request after later ones.
    void holdAnswerAloneTo(const QString &fn);
    // The next request with that "FN" waits, with everything the client sends after it, until
    // releaseHeld(); what the server sends still passes.
    void holdRequest(const QString &fn);
    void releaseHeld();
    // Whether an answer is held now, and how many requests with that "FN" have been held since the
    // last release.
    bool holdsAnswer() const;
    int heldRequests(const QString &fn) const { return m_heldRequests.count(fn); }
    // Forgets what was armed for the next request and not met yet.
    void disarm();
    // Closes every connection now, as when a dead one is finally found out.
    void cut(bool thenRefuse = false);
    void release() { m_refusing = false; }
    // Requests whose answers, or which themselves, were lost, in order.
    QStringList lost() const { return m_lost; }
    // Connections refused so far: the program's attempts to connect again while refusing.
    int refused() const { return m_refused; }

signals:
    void answerLost(QString fn);

private:
    struct Relay;

    void accept();
    void fromClient(Relay *relay);
    void fromServer(Relay *relay);
    // Passes the server's frame that the relay's reader refuses as its bytes, as it came, and reads
    // on after it; false when its end is unknown, and from then on everything passes as it comes.
    bool passRefused(Relay *relay);
    // To the client, or to what is held.
    void pass(Relay *relay, const QByteArray &bytes);
    void close(Relay *relay);
    // Takes fn by value: it may name a member of the relay that close() deletes.
    void lose(Relay *relay, QString fn);

    QTcpServer m_server;
    int m_targetPort = 0;
    QString m_armed;
    // Rows of the armed answer that pass: 0 loses the answer whole.
    int m_armedRows = 0;
    QString m_armedRequest;
    QString m_armedSilence;
    QString m_armedDrop;
    struct ArmedHold
    {
        QString fn;
        int skip = 0;
        bool alone = false;
    };
    QList<ArmedHold> m_armedHolds;
    QStringList m_heldRequests;
    QString m_armedRequestHold;
    bool m_refuseAfterLoss = false;
    bool m_refusing = false;
    QStringList m_lost;
    int m_refused = 0;
    QList<Relay *> m_relays;
};
