#include "reportfactory.h"

#include "base/balancelog.h"
#include "base/session.h"
#include "mirsel/brandcar.h"
#include "mirsel/brandpayment.h"
#include "mirsel/driver.h"
#include "tavik/cardgroup.h"
#include "tavik/company.h"
#include "tavik/consolidatedusersalary.h"
#include "tavik/individualusersalary.h"
#include "tavik/missedcall.h"
#include "tavik/usercall.h"
#include "tavik/userduty.h"
#include "tavik/usertransaction.h"

#include "model/base/balance/driverbalancelog.h"
#include "model/base/session/usersession.h"
#include "model/orlem/session/driversession.h"
#include "model/tavik/balance/cardbalancelog.h"
#include "model/tavik/balance/userbalancelog.h"

namespace Report {

namespace {

// The table of a catalogue, asked of a temporary instance.
template<typename T>
QString tableOf()
{
    return T().tableName();
}

} // namespace

QSharedPointer<AbstractReport> createReport(int type)
{
    return createReport(type, nullptr);
}

QSharedPointer<AbstractReport> createReport(int type, Common::Db *db)
{
    switch (type) {
    case 0:
        return QSharedPointer<Tavik::CardGroup>::create(db);
    case 1:
        return QSharedPointer<Base::BalanceLog>::create(db, tableOf<Model::Tavik::CardBalanceLog>());
    case 2:
        return QSharedPointer<Tavik::Company>::create(db);
    case 3:
        return QSharedPointer<Tavik::ConsolidatedUserSalary>::create(db);
    case 4:
        return QSharedPointer<Tavik::IndividualUserSalary>::create(db);
    case 5:
        return QSharedPointer<Tavik::MissedCall>::create(db);
    case 6:
        return QSharedPointer<Base::BalanceLog>::create(db, tableOf<Model::Tavik::UserBalanceLog>());
    case 7:
        return QSharedPointer<Tavik::UserCall>::create(db);
    case 8:
        return QSharedPointer<Tavik::UserDuty>::create(db);
    case 9:
        return QSharedPointer<Base::Session>::create(db, tableOf<Model::Base::UserSession>());
    case 10:
        return QSharedPointer<Tavik::UserTransaction>::create(db);
    case 11:
        return QSharedPointer<Mirsel::BrandCar>::create(db);
    case 12:
        return QSharedPointer<Mirsel::BrandPayment>::create(db);
    case 13:
        return QSharedPointer<Mirsel::Driver>::create(db);
    case 14:
        return QSharedPointer<Base::BalanceLog>::create(db, tableOf<Model::Base::DriverBalanceLog>());
    case 15:
        return QSharedPointer<Base::Session>::create(db, tableOf<Model::Orlem::DriverSession>());
    default:
        return {};
    }
}

} // namespace Report
