#include "messagedispatcher.h"

MessageDispatcher::MessageDispatcher(QObject *parent)
    : Common::MessageDispatcher(parent)
{
}

MessageDispatcher::~MessageDispatcher() = default;

void MessageDispatcher::dispatch(const QJsonObject &)
{
}

void MessageDispatcher::dispatch(const QString &controller, const QString &method, const QVariantMap &params)
{
    if (controller == QLatin1String("userSession") && method == QLatin1String("saPing"))
        m_session.onSaPing(params);
}
