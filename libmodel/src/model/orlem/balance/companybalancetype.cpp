#include "companybalancetype.h"

#include "companybalancegroup.h"

#include "model/base/balance/balancetypeseed.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Orlem {

CompanyBalanceType::CompanyBalanceType() = default;

CompanyBalanceType::~CompanyBalanceType() = default;

namespace {

Base::BalanceTypeSeed ownSystemTypes()
{
    const QString order = QStringLiteral("sys.order");
    const QString driver = QStringLiteral("sys.driver_operations");
    const QString rating = QStringLiteral("sys.raise_rating");
    Base::BalanceTypeSeed seed;
    seed.add(order, QStringLiteral(".debit_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Additional payment (debit)"), true)
        .add(order, QStringLiteral(".credit_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Additional payment (credit)"), false)
        .add(order, QStringLiteral(".debit_changing_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Changing additional payment (debit)"), true)
        .add(order, QStringLiteral(".credit_changing_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Changing additional payment (credit)"), false)
        .add(driver, QStringLiteral(".driver_penalties_debit"), QT_TRANSLATE_NOOP("QObject", "Driver's penalties (debit)"),
             true)
        .add(driver, QStringLiteral(".driver_penalties_credit"),
             QT_TRANSLATE_NOOP("QObject", "Driver's penalties (credit)"), false)
        .add(driver, QStringLiteral(".driver_services_debit"), QT_TRANSLATE_NOOP("QObject", "Driver's services (debit)"),
             true)
        .add(driver, QStringLiteral(".driver_services_credit"), QT_TRANSLATE_NOOP("QObject", "Driver's services (credit)"),
             false)
        .add(driver, QStringLiteral(".driver_transfer_debit"), QT_TRANSLATE_NOOP("QObject", "Driver's transfers (debit)"),
             true)
        .add(driver, QStringLiteral(".driver_transfer_credit"),
             QT_TRANSLATE_NOOP("QObject", "Driver's transfers (credit)"), false)
        .add(driver, QStringLiteral(".driver_removed_debit"), QT_TRANSLATE_NOOP("QObject", "Removed drivers (debit)"),
             true)
        .add(driver, QStringLiteral(".driver_removed_credit"), QT_TRANSLATE_NOOP("QObject", "Removed drivers (credit)"),
             false)
        .addDebitCredit(rating);
    return seed;
}

} // namespace

bool CompanyBalanceType::createSystemRecords(Common::Db *db)
{
    if (!Base::CompanyBalanceType::createSystemRecords(db))
        return false;
    CompanyBalanceGroup groups;
    return ownSystemTypes().apply(this, &groups, db, COMMON_LOCATION);
}

} // namespace Model::Orlem
