#include "kitcontrollers.h"

#include "model/base/driver/driver.h"
#include "model/base/notification/notification.h"
#include "model/base/city/city.h"
#include "model/orlem/company/company.h"

KitDriver::KitDriver(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::Driver>();
}

KitCity::KitCity(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::City>();
}

KitCompany::KitCompany(QQuickItem *parent)
    : DesktopController(parent)
{
    useClassWideModel<KitCompany, Model::Orlem::Company>();
}

KitNotification::KitNotification(QQuickItem *parent)
    : Notification(parent)
{
    useOwnModel<Model::Base::Notification>();
}
