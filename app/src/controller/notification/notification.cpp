#include "notification.h"

#include "captionname.h"

Notification::Notification(QQuickItem *parent)
    : ClassWideController(parent)
{
}

Notification::~Notification() = default;

QString Notification::name() const
{
    return QStringLiteral("notification");
}

void Notification::prepareRow(QVariantMap &row)
{
    nameFromCaption(*this, row, QStringLiteral("context"));
}

void Notification::initFieldNames(QHash<QString, QString> &fieldNames)
{
    fieldNames.insert(QStringLiteral("driver.update"), tr("Update of driver"));
    fieldNames.insert(QStringLiteral("car.update"), tr("Update of car"));
    fieldNames.insert(QStringLiteral("driver.unarchive"), tr("Unarchive driver"));
}
