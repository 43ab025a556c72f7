#pragma once

#include "client/controller/notification.h"
#include "controller/classwidecontroller.h"
#include "model/base/notification/notification.h"

// The operator's notifications ("notification"): one list that every page shares, counted for
// the unread ones and removed several at once by the library base; each row is named after its
// context.
class Notification : public ClassWideController<Notification, Model::Base::Notification,
                                                Client::Controller::Notification>
{
    Q_OBJECT

public:
    explicit Notification(QQuickItem *parent = nullptr);
    ~Notification() override;

    QString name() const override;
    void prepareRow(QVariantMap &row) override;
    void initFieldNames(QHash<QString, QString> &fieldNames) override;
};
