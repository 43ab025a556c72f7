#pragma once

#include <QMap>
#include <QString>
#include <QTcpSocket>

#include <functional>
#include <optional>

// The anchor of the benchmarks that sign in to the stand-in: a bare QTcpSocket client that signs
// in, opens the session and asks for lists as the program does, only unpacking the answers and
// counting the list ends ("the wire alone": the stand-in's and PostgreSQL's share).
class WireClient
{
public:
    // Connects, signs in and opens the session; false when any step failed.
    bool signIn(int port, const QString &login, const QString &password);
    // Asks for the program's first lists (every driver among them) and waits for all their ends;
    // seconds, or nothing on failure.
    std::optional<double> loadFirstLists();
    // Asks one list (FN "<name>_trGetList" with params) and waits for its end; seconds, or nothing.
    std::optional<double> loadList(const QString &name, const QMap<QString, QString> &params);

private:
    void send(const QMap<QString, QString> &entries);
    // Reads text frames until done(text) holds for one.
    bool waitFor(const std::function<bool(const QString &)> &done);

    QTcpSocket m_socket;
    QByteArray m_buffer;
    QString m_login;
    QString m_owner;
    QString m_group;
    int m_receiver = 1;
};
