#pragma once

#include "controller/address/city.h"
#include "controller/balance/companybalancegroup.h"
#include "controller/balance/companybalancetype.h"
#include "controller/balance/driverbalancegroup.h"
#include "controller/balance/driverbalancetype.h"
#include "controller/car/carbodytypes.h"
#include "controller/car/carbrands.h"
#include "controller/car/carcolors.h"
#include "controller/company/companyqml.h"
#include "controller/driver/driver.h"
#include "controller/driver/drivergroup.h"
#include "controller/driver/driverpaidservicetype.h"
#include "controller/notification/notification.h"
#include "controller/notification/notificationtype.h"
#include "controller/user/user.h"
#include "gui/shell/global.h"

// GLOBAL of this program: the shell's global object plus one shared instance of each catalogue
// that many pages show at once (companies, drivers, cities, groups, balance groups and types,
// paid service types, car catalogues, notifications). Pages bind their pickers and filters to
// these instances; the lists are asked for once, at the first session-open answer.
class Global : public Gui::Global
{
    Q_OBJECT
    Q_PROPERTY(Driver *driver READ driver CONSTANT)
    Q_PROPERTY(CompanyQml *company READ company CONSTANT)
    Q_PROPERTY(DriverGroup *driverGroup READ driverGroup CONSTANT)
    Q_PROPERTY(DriverBalanceGroup *driverBalanceGroup READ driverBalanceGroup CONSTANT)
    Q_PROPERTY(DriverBalanceType *driverBalanceType READ driverBalanceType CONSTANT)
    Q_PROPERTY(DriverPaidServiceType *driverPaidServiceType READ driverPaidServiceType CONSTANT)
    Q_PROPERTY(CarBrands *carBrands READ carBrands CONSTANT)
    Q_PROPERTY(CarBodyTypes *carBodyTypes READ carBodyTypes CONSTANT)
    Q_PROPERTY(CarColors *carColors READ carColors CONSTANT)
    Q_PROPERTY(City *city READ city CONSTANT)
    Q_PROPERTY(Notification *notification READ notification CONSTANT)
    Q_PROPERTY(NotificationType *notificationType READ notificationType CONSTANT)
    Q_PROPERTY(CompanyBalanceGroup *companyBalanceGroup READ companyBalanceGroup CONSTANT)
    Q_PROPERTY(CompanyBalanceType *companyBalanceType READ companyBalanceType CONSTANT)
    Q_PROPERTY(User *user READ user CONSTANT)

public:
    explicit Global(QObject *parent = nullptr);
    ~Global() override;

    Notification *notification() override;
    void createControllers() override;
    void loadControllers(int stage, const QVariantMap &params) override;
    Client::Controller::User *createUser() override;
    Gui::FrameCreators *createFrameCreators() override;

    Driver *driver() const { return m_driver; }
    CompanyQml *company() const { return m_company; }
    DriverGroup *driverGroup() const { return m_driverGroup; }
    DriverBalanceGroup *driverBalanceGroup() const { return m_driverBalanceGroup; }
    DriverBalanceType *driverBalanceType() const { return m_driverBalanceType; }
    DriverPaidServiceType *driverPaidServiceType() const { return m_driverPaidServiceType; }
    CarBrands *carBrands() const { return m_carBrands; }
    CarBodyTypes *carBodyTypes() const { return m_carBodyTypes; }
    CarColors *carColors() const { return m_carColors; }
    City *city() const { return m_city; }
    NotificationType *notificationType() const { return m_notificationType; }
    CompanyBalanceGroup *companyBalanceGroup() const { return m_companyBalanceGroup; }
    CompanyBalanceType *companyBalanceType() const { return m_companyBalanceType; }
    // The shell's user controller, which createUser() made as the application's User.
    User *user() const;

private:
    // Makes the controller of a field anew and registers it; a placeholder row, when given, is in
    // the list before any row of the server.
    template<typename T>
    T *createShared(T *&field, const QVariantMap &placeholder = {});
    static void sortByName(Client::Controller::ItemController *controller);

    Driver *m_driver = nullptr;
    CompanyQml *m_company = nullptr;
    DriverGroup *m_driverGroup = nullptr;
    DriverBalanceGroup *m_driverBalanceGroup = nullptr;
    DriverBalanceType *m_driverBalanceType = nullptr;
    DriverPaidServiceType *m_driverPaidServiceType = nullptr;
    CarBrands *m_carBrands = nullptr;
    CarBodyTypes *m_carBodyTypes = nullptr;
    CarColors *m_carColors = nullptr;
    City *m_city = nullptr;
    Notification *m_notification = nullptr;
    NotificationType *m_notificationType = nullptr;
    CompanyBalanceGroup *m_companyBalanceGroup = nullptr;
    CompanyBalanceType *m_companyBalanceType = nullptr;
};
