#include "messagecatcher.h"

MessageCatcher *MessageCatcher::s_current = nullptr;

MessageCatcher::MessageCatcher()
{
    s_current = this;
    m_previous = qInstallMessageHandler(&MessageCatcher::handler);
}

MessageCatcher::~MessageCatcher()
{
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
}

void MessageCatcher::clear()
{
    warnings.clear();
    criticals.clear();
    infos.clear();
}

void MessageCatcher::handler(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        s_current->warnings.append(text);
    else if (type == QtCriticalMsg)
        s_current->criticals.append(text);
    else if (type == QtInfoMsg)
        s_current->infos.append(text);
}
