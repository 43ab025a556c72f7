#include "notification.h"

#include <QObject>

namespace Model::Base {

Notification::Notification()
{
    const QString types = QStringLiteral("notification_types");
    const QString messages = QStringLiteral("notification_messages");
    declareReference(QStringLiteral("rst_id_nt"), types, QString(), NON_UPDATABLE);
    declareReference(QStringLiteral("rst_id_nm"), messages, QString(), NON_UPDATABLE);
    declareReference(QStringLiteral("rst_id_owner"), QStringLiteral("users"), QString(), NON_UPDATABLE);
    declareColumn(QStringLiteral("is_readed"), SQL_INTEGER, true, 0, QObject::tr("Readed"));
    declareAttached(QStringLiteral("code"), types, QStringLiteral("code"), QObject::tr("Code"));
    declareAttached(QStringLiteral("context"), messages, QStringLiteral("context"), QObject::tr("Context"));
    declareAttached(QStringLiteral("value"), messages, QStringLiteral("value"), QObject::tr("Value"));
    declareAttached(QStringLiteral("is_completed"), messages, QStringLiteral("is_completed"), QObject::tr("Completed"));
    declareDisplay(QStringLiteral("name"), QObject::tr("Name"));
}

Notification::~Notification() = default;

} // namespace Model::Base
