#include "messagecatcher.h"

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
    warnings.clear();
    criticals.clear();
    infos.clear();
}

void MessageCatcher::handler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    // Nested catchers all see the message.
    for (MessageCatcher *catcher = s_current; catcher; catcher = catcher->m_outer) {
        if (type == QtWarningMsg)
            catcher->warnings.append(text);
        else if (type == QtCriticalMsg)
            catcher->criticals.append(text);
        else if (type == QtInfoMsg)
            catcher->infos.append(text);
    }
}
