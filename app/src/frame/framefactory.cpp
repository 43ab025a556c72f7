#include "framefactory.h"

#include "companytable.h"
#include "report/brandpaymentreport.h"
#include "report/brandreport.h"
#include "report/driverbalancereport.h"
#include "report/driverreport.h"
#include "report/driversessionreport.h"

#include "gui/frame/framecreators.h"

Gui::FrameCreators *newFrameCreators()
{
    auto *creators = new Gui::FrameCreators;
    creators->insert(QStringLiteral("companyTable"), [] { return new CompanyTable; });
    creators->insert(QStringLiteral("driverReport"), [] { return new DriverReport; });
    creators->insert(QStringLiteral("driverSessionReport"), [] { return new DriverSessionReport; });
    creators->insert(QStringLiteral("driverBalanceReport"), [] { return new DriverBalanceReport; });
    creators->insert(QStringLiteral("brandReport"), [] { return new BrandReport; });
    creators->insert(QStringLiteral("brandPaymentReport"), [] { return new BrandPaymentReport; });
    return creators;
}
