#pragma once

#include "client/controller/user/user.h"

// The users ("user") as the application serves them: the library's shared user list, and the
// password change of a user.
class User : public Client::Controller::User
{
    Q_OBJECT

public:
    explicit User(QQuickItem *parent = nullptr);
    ~User() override;

    bool handleMessage(const QString &action, const QVariantMap &params) override;

    Q_INVOKABLE void trChangePwd(const QVariantMap &mapParams);

signals:
    void saChangePwd(QVariantMap mapParams);
};
