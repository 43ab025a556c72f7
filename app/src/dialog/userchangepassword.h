#pragma once

#include "controllerchangepassword.h"

// A user's new password, sent with the old one through a user controller of its own.
class UserChangePassword : public ControllerChangePassword
{
    Q_OBJECT

public:
    explicit UserChangePassword(qint64 userId, QWidget *parent = nullptr);
    ~UserChangePassword() override;
};
