#include "notificationmessage.h"

NotificationMessage::NotificationMessage(QQuickItem *parent)
    : InstanceRowsController(parent)
{
}

NotificationMessage::~NotificationMessage() = default;

QString NotificationMessage::name() const
{
    return QStringLiteral("notificationMessage");
}
