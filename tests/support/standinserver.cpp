#include "standinserver.h"

#include "dayend.h"
#include "timelimit.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QtTest>

StandinServer::StandinServer(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &StandinServer::readLines);
}

StandinServer::~StandinServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        command(QStringLiteral("quit"));
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(timeLimit(3000)))
            m_process.kill();
        m_process.waitForFinished(timeLimit(3000));
    }
}

bool StandinServer::start(const QStringList &arguments)
{
    m_arguments = DayEnd::serverArguments(arguments);
    // KORIV_TEST_SIGN_IN_CLOCK_AHEAD=ms runs the sign-in's clock apart from the records' stamps.
    const QByteArray ahead = qgetenv("KORIV_TEST_SIGN_IN_CLOCK_AHEAD");
    if (!ahead.isEmpty() && !m_arguments.contains(QStringLiteral("--sign-in-clock-ahead"))) {
        bool ok = false;
        const int ms = ahead.toInt(&ok);
        if (ok)
            m_arguments << QStringLiteral("--sign-in-clock-ahead") << QString::number(ms);
        else
            qWarning().noquote() << "KORIV_TEST_SIGN_IN_CLOCK_AHEAD=" + QString::fromLocal8Bit(ahead)
                                        + " is no number of milliseconds: the stand-in keeps one clock";
    }
    const QString script = qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tools/standin-server/standin.py");
    m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{script} + m_arguments);
    if (!m_process.waitForStarted(timeLimit(10000)))
        return false;
    if (!waitFor(isEvent(QStringLiteral("listening")), 15000))
        return false;
    for (const QJsonObject &event : qAsConst(m_events)) {
        if (event.value(QStringLiteral("event")) == QLatin1String("listening"))
            m_port = event.value(QStringLiteral("port")).toInt();
    }
    return m_port > 0;
}

void StandinServer::kill()
{
    m_process.kill();
    m_process.waitForFinished(timeLimit(5000));
}

bool StandinServer::restart()
{
    const int port = m_port;
    const int listening = count(isEvent(QStringLiteral("listening")));
    const QString script = qEnvironmentVariable("KORIV_SOURCE_DIR") + QStringLiteral("/tools/standin-server/standin.py");
    m_pending.clear();
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{script} + m_arguments + QStringList{QStringLiteral("--port"), QString::number(port)});
    if (!m_process.waitForStarted(timeLimit(10000)))
        return false;
    return waitForCount(isEvent(QStringLiteral("listening")), listening + 1, 15000);
}

void StandinServer::command(const QString &line)
{
    m_process.write(line.toUtf8() + '\n');
}

void StandinServer::readLines()
{
    m_pending.append(m_process.readAllStandardOutput());
    int newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(newline);
        m_pending.remove(0, newline + 1);
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (event.isEmpty()) {
            qWarning() << "stand-in printed" << line;
            continue;
        }
        m_events.append(event);
        emit eventArrived(event);
    }
}

int StandinServer::count(const std::function<bool(const QJsonObject &)> &match) const
{
    return int(std::count_if(m_events.cbegin(), m_events.cend(), match));
}

bool StandinServer::waitFor(const std::function<bool(const QJsonObject &)> &match, int timeoutMs)
{
    return waitForCount(match, 1, timeoutMs);
}

bool StandinServer::waitForCount(const std::function<bool(const QJsonObject &)> &match, int n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return count(match) >= n; }, timeLimit(timeoutMs));
}

QList<QJsonObject> StandinServer::received(const QString &fn) const
{
    QList<QJsonObject> result;
    for (const QJsonObject &event : m_events) {
        if (isMessage(fn)(event))
            result.append(event.value(QStringLiteral("message")).toObject());
    }
    return result;
}

std::function<bool(const QJsonObject &)> StandinServer::isEvent(const QString &event)
{
    return [event](const QJsonObject &e) { return e.value(QStringLiteral("event")).toString() == event; };
}

std::function<bool(const QJsonObject &)> StandinServer::isMessage(const QString &fn)
{
    return [fn](const QJsonObject &e) {
        return e.value(QStringLiteral("event")).toString() == QLatin1String("message")
            && e.value(QStringLiteral("message")).toObject().value(QStringLiteral("FN")).toString() == fn;
    };
}

QString passwordDigest(const QString &password)
{
    return QString::fromLatin1(QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex());
}
