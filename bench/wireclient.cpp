#include "wireclient.h"

#include "common/core/utils/utils.h"
#include "timelimit.h"

#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QRegularExpression>

bool WireClient::signIn(int port, const QString &login, const QString &password)
{
    m_login = login;
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
    if (!m_socket.waitForConnected(timeLimit(10000)))
        return false;
    send({{"FN", "auth_trAuth"}, {"SID", Utils().getPwdHash(password)}});
    bool accepted = false;
    if (!waitFor([&](const QString &text) {
            accepted = text.contains(QLatin1String("#FN=auth_saAuth"));
            return accepted || text.contains(QLatin1String("#FN=auth_saFailed"));
        })
        || !accepted)
        return false;
    send({{"FN", "userSession_trOpen"}, {"version", "1.6.0"}});
    QString open;
    if (!waitFor([&](const QString &text) {
            open = text;
            return text.contains(QLatin1String("#FN=userSession_saOpen"));
        }))
        return false;
    m_owner = QRegularExpression(QStringLiteral("#rst_id_owner=(\\d+)")).match(open).captured(1);
    m_group = QRegularExpression(QStringLiteral("#rst_id_group=(\\d+)")).match(open).captured(1);
    return true;
}

std::optional<double> WireClient::loadFirstLists()
{
    QElapsedTimer clock;
    clock.start();
    const QList<QPair<QString, QMap<QString, QString>>> lists{
        {"sog", {}}, {"sot", {}}, {"so", {}}, {"ugso", {{"rst_id_group", m_group}}}, {"uso", {{"rst_id_owner", m_owner}}},
        {"user", {}}, {"ug", {}}, {"driver", {{"is_archived", "0"}}}, {"company", {}}, {"driverGroup", {}},
        {"dbg", {}}, {"dbt", {}}, {"driverPaidServiceType", {}}, {"carBrands", {}}, {"carBodyTypes", {}},
        {"carColors", {}}, {"city", {}}, {"notification", {{"rst_id_owner", m_owner}}}, {"notificationType", {}},
        {"cmpbg", {}}, {"cmpbt", {}}, {"userGuiSession", {{"rst_id_owner", m_owner}}}};
    for (const auto &[name, params] : lists) {
        QMap<QString, QString> request = params;
        request.insert(QStringLiteral("FN"), name + QStringLiteral("_trGetList"));
        request.insert(QStringLiteral("RECEIVER"), QString::number(m_receiver++));
        request.insert(QStringLiteral("query_limit"), QStringLiteral("0"));
        send(request);
    }
    int ends = 0;
    if (!waitFor([&](const QString &text) {
            if (text.contains(QLatin1String("_saGetList#")) && text.contains(QLatin1String("#STATE=end")))
                ++ends;
            return ends == lists.size();
        }))
        return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

std::optional<double> WireClient::loadList(const QString &name, const QMap<QString, QString> &params)
{
    QElapsedTimer clock;
    clock.start();
    QMap<QString, QString> request = params;
    request.insert(QStringLiteral("FN"), name + QStringLiteral("_trGetList"));
    request.insert(QStringLiteral("RECEIVER"), QString::number(m_receiver++));
    send(request);
    const QString end = QStringLiteral("=%1_saGetList#").arg(name);
    if (!waitFor([&](const QString &text) { return text.contains(end) && text.contains(QLatin1String("#STATE=end")); }))
        return std::nullopt;
    return clock.nsecsElapsed() / 1e9;
}

void WireClient::send(const QMap<QString, QString> &entries)
{
    QString text = QStringLiteral("#SIGN=") + m_login;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        text += QLatin1Char('#') + it.key() + QLatin1Char('=') + it.value();
    text += QStringLiteral("#[END]");
    m_socket.write(qCompress(text.toUtf8(), 9) + QByteArrayLiteral("#ENDMSG"));
}

bool WireClient::waitFor(const std::function<bool(const QString &)> &done)
{
    static const QByteArray end = QByteArrayLiteral("#ENDMSG");
    while (true) {
        // Frames are read from a moving start: removing each from the front would copy the
        // rest of a large answer once per frame.
        int start = 0;
        bool found = false;
        while (!found && m_buffer.size() - start > 4) {
            const int at = m_buffer.indexOf(end, start + 4);
            if (at < 0)
                break;
            const QString text = QString::fromUtf8(qUncompress(m_buffer.mid(start, at - start)));
            start = at + end.size();
            found = done(text);
        }
        m_buffer.remove(0, start);
        if (found)
            return true;
        if (!m_socket.waitForReadyRead(timeLimit(60000)))
            return false;
        m_buffer += m_socket.readAll();
    }
}
