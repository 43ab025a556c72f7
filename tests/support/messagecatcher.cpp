#include "messagecatcher.h"

std::atomic<MessageCatcher *> MessageCatcher::s_current{nullptr};

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
    // A message another thread is adding now is added before the lists go.
    std::lock_guard<std::mutex> lock(m_mutex);
}

void MessageCatcher::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    warnings.clear();
    criticals.clear();
    infos.clear();
}

int MessageCatcher::count(const QString &fragment) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
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
        std::lock_guard<std::mutex> lock(catcher->m_mutex);
        if (type == QtWarningMsg)
            catcher->warnings.append(text);
        else if (type == QtCriticalMsg)
            catcher->criticals.append(text);
        else if (type == QtInfoMsg)
            catcher->infos.append(text);
    }
}
