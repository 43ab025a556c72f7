#pragma once

#include "controller/classwidecontroller.h"
#include "model/base/notification/notificationtype.h"

// The kinds of notification ("notificationType"): one list that every page shares; each type is
// named after its code.
class NotificationType : public ClassWideController<NotificationType, Model::Base::NotificationType>
{
    Q_OBJECT

public:
    explicit NotificationType(QQuickItem *parent = nullptr);
    ~NotificationType() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
    void initFieldNames(QHash<QString, QString> &fieldNames) override;
};
