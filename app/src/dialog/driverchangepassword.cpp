#include "driverchangepassword.h"

#include "controller/driver/driver.h"

DriverChangePassword::DriverChangePassword(qint64 driverId, QWidget *parent)
    : ControllerChangePassword(driverId, parent)
{
    setController(std::make_unique<Driver>());
    hideOldPassword();
}

DriverChangePassword::~DriverChangePassword() = default;
