#include "kitcontrollers.h"

#include "model/base/car/car.h"
#include "model/base/city/city.h"
#include "model/orlem/company/company.h"

KitCar::KitCar(QQuickItem *parent)
    : DesktopController(parent)
{
    useOwnModel<Model::Base::Car>();
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
