#include "catalogues.h"

#include "model/base/abstractmodel.h"
#include "model/base/databaseinitializer.h"

// One block of includes and one block of list lines per domain group; keep additions line-based.

// -- Companies, drivers, cars, balance groups and types --
#include "model/base/balance/companybalancegroup.h"
#include "model/base/balance/companybalancetype.h"
#include "model/base/balance/driverbalancegroup.h"
#include "model/base/balance/driverbalancetype.h"
#include "model/base/car/car.h"
#include "model/base/company/company.h"
#include "model/base/driver/attributes/bodytype.h"
#include "model/base/driver/attributes/carbrand.h"
#include "model/base/driver/attributes/carcolor.h"
#include "model/base/driver/driver.h"
#include "model/base/rating/driverratinglog.h"
#include "model/base/sms/sms.h"
#include "model/orlem/balance/companybalancegroup.h"
#include "model/orlem/balance/companybalancetype.h"
#include "model/orlem/company/company.h"
#include "model/orlem/company/terminalcompany.h"
#include "model/orlem/driver/attributes/bodytype.h"
#include "model/orlem/driver/attributes/carbrand.h"
#include "model/orlem/driver/attributes/carcolor.h"
#include "model/orlem/driver/driver.h"

// -- Security options, users and user groups, notifications, driver groups, cities, paid services --
#include "model/base/notification/notification.h"
#include "model/base/notification/notificationmessage.h"
#include "model/base/notification/notificationtype.h"
#include "model/orlem/city/city.h"
#include "model/orlem/driver/drivergroup.h"
#include "model/orlem/paidservice/paidserviceofdriver.h"
#include "model/orlem/paidservice/paidservicetype4driver.h"
#include "model/tavik/security/securityoption.h"
#include "model/tavik/security/securityoptiongroup.h"
#include "model/tavik/security/securityoptiontype.h"
#include "model/tavik/security/usergroupsecurityoption.h"
#include "model/tavik/security/usersecurityoption.h"
#include "model/tavik/user/user.h"
#include "model/tavik/user/usergroup.h"

// -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --
#include "model/base/balance/balancelog.h"
#include "model/base/balance/driverbalancelog.h"
#include "model/base/media/media.h"
#include "model/base/payment/paymentsystem.h"
#include "model/base/payment/paymentsystemaccountscompany.h"
#include "model/base/payment/paymentsystempaymentslog.h"
#include "model/base/search/searchrole.h"
#include "model/base/session/guisession.h"
#include "model/base/session/usersession.h"
#include "model/base/shell/launcher.h"
#include "model/base/shell/ownerkeeper.h"
#include "model/base/shell/toolbar.h"
#include "model/base/value/value.h"
#include "model/base/version/version.h"
#include "model/orlem/balance/companybalancelog.h"
#include "model/orlem/balance/driverbalancetransfer.h"
#include "model/orlem/crash/crashreport.h"
#include "model/orlem/rating/driverratingcoefficient.h"
#include "model/orlem/session/driversession.h"
#include "model/orlem/sms/sms.h"
#include "model/orlem/value/value.h"
#include "model/tavik/balance/cardbalancelog.h"
#include "model/tavik/balance/userbalancelog.h"
#include "model/tavik/card/cardgroup.h"
#include "model/tavik/rating/driverratinglog.h"
#include "model/tavik/session/userguisession.h"

namespace Model {

namespace {

template<typename T>
void add(QVector<Creator::Factory> &list)
{
    list.append(Creator::factory<T>());
}

} // namespace

QVector<Creator::Factory> allCatalogues()
{
    QVector<Creator::Factory> list;

    // -- Companies, drivers, cars, balance groups and types --
    // Base catalogues before the gateway side's fuller ones of the same table. Drivers and cars
    // reference each other; drivers also reference driver groups and cities listed further down:
    // the initialiser adds those keys once every table exists.
    add<Orlem::TerminalCompany>(list);
    add<Base::Company>(list);
    add<Orlem::Company>(list);
    add<Base::BodyType>(list);
    add<Orlem::BodyType>(list);
    add<Base::CarBrand>(list);
    add<Orlem::CarBrand>(list);
    add<Base::CarColor>(list);
    add<Orlem::CarColor>(list);
    add<Base::Driver>(list);
    add<Orlem::Driver>(list);
    add<Base::Car>(list);
    add<Base::CompanyBalanceGroup>(list);
    add<Orlem::CompanyBalanceGroup>(list);
    add<Base::CompanyBalanceType>(list);
    add<Orlem::CompanyBalanceType>(list);
    add<Base::DriverBalanceGroup>(list);
    add<Base::DriverBalanceType>(list);
    add<Base::Sms>(list);
    add<Base::DriverRatingLog>(list);

    // -- Security options, users and user groups, notifications, driver groups, cities, paid services --
    // Option groups, types and options before any group reads them; the option values' default row
    // before the administrators' values; the groups before their users. The base-side user and
    // group catalogues are not listed: their seeds are part of these.
    add<Tavik::SecurityOptionGroup>(list);
    add<Tavik::SecurityOptionType>(list);
    add<Tavik::SecurityOption>(list);
    add<Tavik::UserGroupSecurityOption>(list);
    add<Tavik::UserGroup>(list);
    add<Tavik::User>(list);
    add<Tavik::UserSecurityOption>(list);
    add<Base::NotificationType>(list);
    add<Base::NotificationMessage>(list);
    add<Base::Notification>(list);
    add<Orlem::DriverGroup>(list);
    add<Orlem::City>(list);
    add<Orlem::PaidServiceType4Driver>(list);
    add<Orlem::PaidServiceOfDriver>(list);

    // -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --
    add<Base::BalanceLog>(list);
    add<Orlem::CompanyBalanceLog>(list);
    add<Base::DriverBalanceLog>(list);
    add<Tavik::CardGroup>(list);
    add<Tavik::CardBalanceLog>(list);
    add<Tavik::UserBalanceLog>(list);
    add<Orlem::DriverBalanceTransfer>(list);
    add<Base::UserSession>(list);
    add<Orlem::DriverSession>(list);
    add<Base::GuiSession>(list);
    add<Tavik::UserGuiSession>(list);
    add<Base::Media>(list);
    add<Orlem::Sms>(list);
    add<Base::Value>(list);
    add<Orlem::Value>(list);
    add<Orlem::DriverRatingCoefficient>(list);
    add<Tavik::DriverRatingLog>(list);
    add<Base::Version>(list);
    add<Orlem::CrashReport>(list);
    add<Base::SearchRole>(list);
    add<Base::PaymentSystem>(list);
    add<Base::PaymentSystemAccountsCompany>(list);
    add<Base::PaymentSystemPaymentsLog>(list);
    add<Base::ToolBar>(list);
    add<Base::Launcher>(list);
    add<Base::OwnerKeeper>(list);

    return list;
}

void registerAllCatalogues()
{
    const QVector<Creator::Factory> list = allCatalogues();
    for (const DatabaseInitializer::Table &table : DatabaseInitializer::plan(list))
        Creator::registerFactory(table.name, list.at(table.creator));
}

} // namespace Model
