#include "notificationtype.h"

#include <QObject>

namespace Model::Base {

NotificationType::NotificationType()
{
    declareColumn(QStringLiteral("code"), SQL_TEXT, true, QVariant(), QObject::tr("Code"), UNIQUE | NON_UPDATABLE);
    declareColumn(QStringLiteral("enabled"), SQL_INTEGER, true, 1, QObject::tr("Enabled"));
    declareColumn(QStringLiteral("groups"), SQL_TEXT, true, QStringLiteral("[]"), QObject::tr("Groups"));
    declareColumn(QStringLiteral("users"), SQL_TEXT, true, QStringLiteral("[]"), QObject::tr("Users"));
    declareDisplay(QStringLiteral("name"), QObject::tr("Name"));
}

NotificationType::~NotificationType() = default;

} // namespace Model::Base
