#include "messagedispatcher.h"

#include <QDebug>

namespace Common {

MessageDispatcher::MessageDispatcher(QObject *parent)
    : QObject(parent)
{
}

MessageDispatcher::~MessageDispatcher() = default;

void MessageDispatcher::dispatch(const QJsonObject &)
{
}

void MessageDispatcher::dispatch(const QString &, const QString &, const QVariantMap &)
{
}

void MessageDispatcher::onMessageReceived(QVariantMap mapParams)
{
    if (mapParams.contains(QStringLiteral("controller"))) {
        dispatch(mapParams.value(QStringLiteral("controller")).toString(),
                 mapParams.value(QStringLiteral("method")).toString(), mapParams);
        return;
    }
    const QString fn = mapParams.value(QStringLiteral("FN")).toString();
    const QStringList pieces = fn.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (pieces.size() != 2) {
        qWarning() << "Error command format: " << fn;
        return;
    }
    dispatch(pieces.at(0), pieces.at(1), mapParams);
}

void MessageDispatcher::onMessageReceived(QJsonObject message)
{
    dispatch(message);
}

} // namespace Common
