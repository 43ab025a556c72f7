#include "driverbalancetype.h"

#include "balancetypeseed.h"
#include "driverbalancegroup.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

DriverBalanceType::DriverBalanceType()
{
    const QString groups = QStringLiteral("driver_balance_groups");
    declare(QStringLiteral("rst_id_bg"), groupReference(groups));
    declareAttached(QStringLiteral("bg_name"), groups, QStringLiteral("name"), QObject::tr("Balance group name"));
    declareDisplay(QStringLiteral("name_string"), QObject::tr("Name"));
    declareDisplay(QStringLiteral("type_operation_string"), QObject::tr("Type operation"));
}

DriverBalanceType::~DriverBalanceType() = default;

QString DriverBalanceType::tableName() const
{
    return QStringLiteral("driver_balance_types");
}

namespace {

BalanceTypeSeed systemTypes()
{
    const QString refill = QStringLiteral("sys.refill_by_company");
    const QString order = QStringLiteral("sys.order");
    const QString services = QStringLiteral("sys.services");
    const QString transfer = QStringLiteral("sys.transfer");
    const QString penalties = QStringLiteral("sys.penalties");
    BalanceTypeSeed seed;
    seed.addDebitCredit(refill)
        .add(refill, QStringLiteral(".debit_payment_sys"), QT_TRANSLATE_NOOP("QObject", "Payment system (debit)"), true)
        .add(refill, QStringLiteral(".credit_payment_sys"), QT_TRANSLATE_NOOP("QObject", "Payment system (credit)"),
             false)
        .addDebitCredit(order)
        .add(order, QStringLiteral(".debit_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Additional payment (debit)"), true)
        .add(order, QStringLiteral(".credit_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Additional payment (credit)"), false)
        .add(order, QStringLiteral(".debit_changing_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Changing additional payment (debit)"), true)
        .add(order, QStringLiteral(".credit_changing_additional_payment"),
             QT_TRANSLATE_NOOP("QObject", "Changing additional payment (credit)"), false)
        .add(order, QStringLiteral(".debit_changing_sum_tip"), QT_TRANSLATE_NOOP("QObject", "Changing sum tip (debit)"),
             true)
        .add(order, QStringLiteral(".credit_changing_sum_tip"),
             QT_TRANSLATE_NOOP("QObject", "Changing sum tip (credit)"), false)
        .add(services, QStringLiteral(".debit_rent_equipment"),
             QT_TRANSLATE_NOOP("QObject", "Rent of equipment (debit)"), true)
        .add(services, QStringLiteral(".credit_rent_equipment"),
             QT_TRANSLATE_NOOP("QObject", "Rent of equipment (credit)"), false)
        .add(transfer, QStringLiteral(".debit_transfer_to_acceptor"),
             QT_TRANSLATE_NOOP("QObject", "Transfer to acceptor (debit)"), true)
        .add(transfer, QStringLiteral(".credit_transfer_to_acceptor"),
             QT_TRANSLATE_NOOP("QObject", "Transfer to acceptor (credit)"), false)
        .add(transfer, QStringLiteral(".debit_transfer_from_contributor"),
             QT_TRANSLATE_NOOP("QObject", "Transfer from contributor (debit)"), true)
        .add(transfer, QStringLiteral(".credit_transfer_from_contributor"),
             QT_TRANSLATE_NOOP("QObject", "Transfer from contributor (credit)"), false)
        .addDebitCredit(penalties)
        .add(penalties, QStringLiteral(".debit_short_distance"), QT_TRANSLATE_NOOP("QObject", "Short distance (debit)"),
             true)
        .add(penalties, QStringLiteral(".credit_short_distance"),
             QT_TRANSLATE_NOOP("QObject", "Short distance (credit)"), false);
    for (const char *group : {"sys.raise_rating", "sys.cashback", "sys.bonuses", "sys.compensation_p2p"})
        seed.addDebitCredit(QLatin1String(group));
    return seed;
}

} // namespace

bool DriverBalanceType::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    DriverBalanceGroup groups;
    return systemTypes().apply(this, &groups, db, COMMON_LOCATION);
}

} // namespace Model::Base
