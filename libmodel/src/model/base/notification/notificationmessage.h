#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Catalogue of the notification messages ("notification_messages") of a notification type.
class NotificationMessage : public AbstractModel
{
public:
    NotificationMessage();
    ~NotificationMessage() override;

    QString tableName() const override { return QStringLiteral("notification_messages"); }
};

} // namespace Model::Base
