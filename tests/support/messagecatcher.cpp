#include "messagecatcher.h"

#include <QMutexLocker>

MessageCatcher *MessageCatcher::s_current = nullptr;

MessageCatcher::MessageCatcher()
    : m_outer(s_current)
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageCatcher::handler);
}

MessageCatcher::~MessageCatcher()
{
    qInstallMessageHandler(m_previous);
    s_current = m_outer;
}

void MessageCatcher::clear()
{
    QMutexLocker lock(&m_mutex);
    warnings.clear();
    criticals.clear();
    infos.clear();
}

int MessageCatcher::count(const QString &fragment) const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const QStringList *list : {&warnings, &criticals, &infos}) {
        for (const QString &line : *list)
            n += line.contains(fragment) ? 1 : 0;
    }
    return n;
}

void MessageCatcher::handler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // Nested catchers all see the message.
    for (MessageCatcher *catcher = s_current; catcher; catcher = catcher->m_outer) {
        QMutexLocker lock(&catcher->m_mutex);
        if (type == QtWarningMsg)
            catcher->warnings.append(text);
        else if (type == QtCriticalMsg)
            catcher->criticals.append(text);
        else if (type == QtInfoMsg)
            catcher->infos.append(text);
    }
}
