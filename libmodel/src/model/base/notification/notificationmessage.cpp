#include "notificationmessage.h"

#include <QObject>

namespace Model::Base {

NotificationMessage::NotificationMessage()
{
    declareReference(QStringLiteral("rst_id_nt"), QStringLiteral("notification_types"), QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("context"), SQL_TEXT, true, QVariant(), QObject::tr("Context"), NON_UPDATABLE);
    declareColumn(QStringLiteral("value"), SQL_TEXT, true, QVariant(), QObject::tr("Value"), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_completed"), SQL_INTEGER, true, 0, QObject::tr("Completed"));
}

NotificationMessage::~NotificationMessage() = default;

} // namespace Model::Base
