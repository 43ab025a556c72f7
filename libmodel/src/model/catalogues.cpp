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

// -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --

namespace Model {

namespace {

template<typename T>
void add(QVector<Creator::Factory> &list)
{
    list.append([] { return static_cast<AbstractModel *>(new T()); });
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

    // -- Ledgers, transfers, sessions, media, SMS, values, rating, versions, crash reports, payments --

    return list;
}

void registerAllCatalogues()
{
    const QVector<Creator::Factory> list = allCatalogues();
    for (const DatabaseInitializer::Table &table : DatabaseInitializer::plan(list))
        Creator::registerFactory(table.name, list.at(table.creator));
}

} // namespace Model
