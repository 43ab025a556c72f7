#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Catalogue of the notifications ("notifications"): a type and a message addressed to a user, with
// the user's read mark; code, context, value and completion are joined from type and message.
class Notification : public AbstractModel
{
public:
    Notification();
    ~Notification() override;

    QString tableName() const override { return QStringLiteral("notifications"); }
};

} // namespace Model::Base
