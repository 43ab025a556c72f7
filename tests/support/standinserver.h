#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>

#include <functional>

// Runs tools/standin-server as a child process and collects the events it prints.
class StandinServer : public QObject
{
    Q_OBJECT

public:
    explicit StandinServer(QObject *parent = nullptr);
    ~StandinServer() override;

    // Starts the server on a free loopback port; false when it did not come up. Under
    // KORIV_TEST_DAY_END_AFTER the user's day ends that long after it starts (see dayend.h).
    bool start(const QStringList &arguments = {});
    // The environment of the server process (the PostgreSQL database it uses); set before start.
    void setEnvironment(const QProcessEnvironment &environment) { m_process.setProcessEnvironment(environment); }
    int port() const { return m_port; }
    // The server process's id; 0 while it is not running.
    qint64 processId() const { return m_process.processId(); }
    // Kills the server as a crash would: no goodbye to its clients.
    void kill();
    // Starts it again with the arguments of the last start, on the same port.
    bool restart();

    void command(const QString &line);
    // Waits (processing events) until an event matching the predicate has arrived.
    bool waitFor(const std::function<bool(const QJsonObject &)> &match, int timeoutMs = 10000);
    bool waitForCount(const std::function<bool(const QJsonObject &)> &match, int count, int timeoutMs = 10000);
    int count(const std::function<bool(const QJsonObject &)> &match) const;
    QList<QJsonObject> events() const { return m_events; }
    QList<QJsonObject> received(const QString &fn) const;

    // Predicates for the common events.
    static std::function<bool(const QJsonObject &)> isEvent(const QString &event);
    static std::function<bool(const QJsonObject &)> isMessage(const QString &fn);

signals:
    void eventArrived(QJsonObject event);

private:
    void readLines();

    QProcess m_process;
    QByteArray m_pending;
    QList<QJsonObject> m_events;
    int m_port = 0;
    QStringList m_arguments;
};

// A password as a client signs in with it and as the server's "--user name:digest" takes it: the
// MD5 of its UTF-8 text in lower-case hex.
QString passwordDigest(const QString &password);
