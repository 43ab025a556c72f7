#include "qmltypes.h"

#include "address/city.h"
#include "balance/companybalancegroup.h"
#include "balance/companybalancelog.h"
#include "balance/companybalancetype.h"
#include "balance/driverbalancegroup.h"
#include "balance/driverbalancelog.h"
#include "balance/driverbalancetransfer.h"
#include "balance/driverbalancetype.h"
#include "car/car.h"
#include "car/carbodytypes.h"
#include "car/carbrands.h"
#include "car/carcolors.h"
#include "client/clientenums.h"
#include "client/controller/auth.h"
#include "client/controller/list/launcher.h"
#include "client/controller/list/ownerkeeper.h"
#include "client/controller/list/search.h"
#include "client/controller/list/toolbar.h"
#include "client/controller/security/securityoption.h"
#include "client/controller/security/securityoptiongroup.h"
#include "client/controller/security/securityoptiontype.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/user/usergroup.h"
#include "client/controller/user/userguisession.h"
#include "client/controller/usersession.h"
#include "company/companyqml.h"
#include "company/terminalcompany.h"
#include "crash/crashreport.h"
#include "driver/driver.h"
#include "driver/drivergroup.h"
#include "driver/drivernonstatic.h"
#include "driver/driverpaidservice.h"
#include "driver/driverpaidservicetype.h"
#include "driver/driverratingcoefficient.h"
#include "driver/driverratinglog.h"
#include "driver/driversession.h"
#include "gui/frame/frames.h"
#include "gui/shell/guisession.h"
#include "gui/style/style.h"
#include "gui/style/windowscreen.h"
#include "gui/update/updater.h"
#include "media/media.h"
#include "notification/notification.h"
#include "notification/notificationmessage.h"
#include "notification/notificationtype.h"
#include "payment/paymentsystem.h"
#include "payment/paymentsystemaccount.h"
#include "payment/paymentsystemlog.h"
#include "sms/sms.h"
#include "user/user.h"
#include "value/value.h"
#include "version/version.h"

#include <QtQml>

namespace {

template<typename T>
void creatable(const char *qmlName)
{
    qmlRegisterType<T>("Taldor", 1, 0, qmlName);
}

template<typename T>
void uncreatable(const char *qmlName)
{
    qmlRegisterUncreatableType<T>("Taldor", 1, 0, qmlName, QStringLiteral("Uncreatable type"));
}

// The library's controllers and models and the application's entity controllers (Company is
// CompanyQml); each also becomes usable as a property type and in lists.
void registerCreatableQmlTypes()
{
    namespace Lib = Client::Controller;
    creatable<Lib::Launcher>("Launcher");
    creatable<Lib::OriginalModel>("OriginalModel");
    creatable<Lib::ProxyModel>("ProxyModel");
    creatable<Lib::Auth>("Auth");
    creatable<Lib::UserSession>("UserSession");
    creatable<User>("User");
    creatable<Lib::UserGroup>("UserGroup");
    creatable<Lib::UserSecurityOption>("UserSecurityOption");
    creatable<Lib::UserGroupSecurityOption>("UserGroupSecurityOption");
    creatable<Lib::UserGuiSession>("UserGuiSession");
    creatable<Lib::SecurityOptionGroup>("SecurityOptionGroup");
    creatable<Lib::SecurityOptionType>("SecurityOptionType");
    creatable<Lib::SecurityOption>("SecurityOption");
    creatable<Driver>("Driver");
    creatable<DriverNonStatic>("DriverNonStatic");
    creatable<DriverGroup>("DriverGroup");
    creatable<DriverBalanceGroup>("DriverBalanceGroup");
    creatable<DriverBalanceType>("DriverBalanceType");
    creatable<DriverBalanceLog>("DriverBalanceLog");
    creatable<DriverBalanceTransfer>("DriverBalanceTransfer");
    creatable<DriverSession>("DriverSession");
    creatable<DriverPaidServiceType>("DriverPaidServiceType");
    creatable<DriverPaidService>("DriverPaidService");
    creatable<DriverRatingCoefficient>("DriverRatingCoefficient");
    creatable<DriverRatingLog>("DriverRatingLog");
    creatable<Car>("Car");
    creatable<CarBrands>("CarBrands");
    creatable<CarBodyTypes>("CarBodyTypes");
    creatable<CarColors>("CarColors");
    creatable<Lib::ToolBar>("ToolBar");
    creatable<Lib::OwnerKeeper>("OwnerKeeper");
    creatable<TerminalCompany>("TerminalCompany");
    creatable<Lib::Search>("Search");
    creatable<City>("City");
    creatable<Notification>("Notification");
    creatable<NotificationType>("NotificationType");
    creatable<NotificationMessage>("NotificationMessage");
    creatable<CompanyQml>("Company");
    creatable<CompanyBalanceGroup>("CompanyBalanceGroup");
    creatable<CompanyBalanceType>("CompanyBalanceType");
    creatable<CompanyBalanceLog>("CompanyBalanceLog");
    creatable<PaymentSystem>("PaymentSystem");
    creatable<PaymentSystemLog>("PaymentSystemLog");
    creatable<PaymentSystemAccount>("PaymentSystemAccount");
    creatable<Media>("Media");
    creatable<Value>("Value");
    creatable<Version>("Version");
    creatable<Sms>("Sms");
    creatable<CrashReport>("CrashReport");
}

} // namespace

void registerQmlTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    uncreatable<Client::ClientEnums>("ClientEnums");
    uncreatable<Gui::Style>("Style");
    uncreatable<Gui::Updater>("Updater");
    uncreatable<Gui::GuiSession>("GuiSession");
    uncreatable<Gui::Frames>("Frames");
    Gui::WindowScreen::registerQmlType();
    registerCreatableQmlTypes();
}
