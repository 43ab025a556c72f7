#include "userchangepassword.h"

#include "controller/user/user.h"

UserChangePassword::UserChangePassword(qint64 userId, QWidget *parent)
    : ControllerChangePassword(userId, parent)
{
    setController(std::make_unique<User>());
}

UserChangePassword::~UserChangePassword() = default;
