#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Catalogue of the notification types ("notification_types"): a unique code, a switch and the
// addressed groups and users as list texts.
class NotificationType : public AbstractModel
{
public:
    NotificationType();
    ~NotificationType() override;

    QString tableName() const override { return QStringLiteral("notification_types"); }
};

} // namespace Model::Base
