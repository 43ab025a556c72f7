#pragma once

#include "controllerchangepassword.h"

// A driver's new password, set without the old one, through a driver controller of its own.
class DriverChangePassword : public ControllerChangePassword
{
    Q_OBJECT

public:
    explicit DriverChangePassword(qint64 driverId, QWidget *parent = nullptr);
    ~DriverChangePassword() override;
};
