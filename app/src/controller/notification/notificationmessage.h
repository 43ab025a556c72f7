#pragma once

#include "controller/instancerowscontroller.h"
#include "model/base/notification/notificationmessage.h"

// The messages behind notifications ("notificationMessage"): rows of each instance.
class NotificationMessage : public InstanceRowsController<Model::Base::NotificationMessage>
{
    Q_OBJECT

public:
    explicit NotificationMessage(QQuickItem *parent = nullptr);
    ~NotificationMessage() override;

    QString name() const override;
};
