#include "notificationtype.h"

#include "captionname.h"

NotificationType::NotificationType(QQuickItem *parent)
    : ClassWideController(parent)
{
}

NotificationType::~NotificationType() = default;

QString NotificationType::name() const
{
    return QStringLiteral("notificationType");
}

void NotificationType::prepareRow(QVariantMap &row)
{
    nameFromCaption(*this, row, QStringLiteral("code"));
}

void NotificationType::initFieldNames(QHash<QString, QString> &fieldNames)
{
    fieldNames.insert(QStringLiteral("driver.update.request"), tr("Driver update request"));
    fieldNames.insert(QStringLiteral("car.update.request"), tr("Car update request"));
    fieldNames.insert(QStringLiteral("driver.unarchive.info"), tr("Unarchive driver info"));
}
