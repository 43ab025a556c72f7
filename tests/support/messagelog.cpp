#include "messagelog.h"

#include <QMutexLocker>

MessageLog *MessageLog::s_current = nullptr;

MessageLog::MessageLog()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageLog::handler);
}

MessageLog::~MessageLog()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void MessageLog::handler(QtMsgType, const QMessageLogContext &, const QString &text)
{
    if (MessageLog *log = s_current) {
        QMutexLocker lock(&log->m_mutex);
        log->m_lines.append(text);
    }
}

QStringList MessageLog::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

int MessageLog::count(const QString &fragment) const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const QString &line : m_lines)
        n += line.contains(fragment) ? 1 : 0;
    return n;
}
