#include "companybalancetype.h"

#include "balancetypeseed.h"
#include "companybalancegroup.h"

#include "common/core/exception/location.h"

#include <QObject>

namespace Model::Base {

CompanyBalanceType::CompanyBalanceType()
{
    declare(QStringLiteral("rst_id_bg"), groupReference(QStringLiteral("company_balance_groups")));
    declareDisplay(QStringLiteral("name_string"), QObject::tr("Name"));
    declareDisplay(QStringLiteral("type_operation_string"), QObject::tr("Type operation"));
}

CompanyBalanceType::~CompanyBalanceType() = default;

QString CompanyBalanceType::tableName() const
{
    return QStringLiteral("company_balance_types");
}

namespace {

BalanceTypeSeed systemTypes()
{
    BalanceTypeSeed seed;
    for (const char *group : {"sys.refill_driver_balance", "sys.refill_company_balance"})
        seed.addDebitCredit(QLatin1String(group));
    seed.add(QStringLiteral("sys.driver_monthly_fee"), QStringLiteral(".debit"), QT_TRANSLATE_NOOP("QObject", "Debit"),
             true);
    const QString order = QStringLiteral("sys.order");
    seed.addDebitCredit(order)
        .add(order, QStringLiteral(".debit_changing_sum_tip"), QT_TRANSLATE_NOOP("QObject", "Changing sum tip (debit)"),
             true)
        .add(order, QStringLiteral(".credit_changing_sum_tip"),
             QT_TRANSLATE_NOOP("QObject", "Changing sum tip (credit)"), false);
    for (const char *group : {"sys.lost_profit", "sys.cashback", "sys.bonuses", "sys.compensation_p2p"})
        seed.addDebitCredit(QLatin1String(group));
    return seed;
}

} // namespace

bool CompanyBalanceType::createSystemRecords(Common::Db *db)
{
    if (!AbstractModel::createSystemRecords(db))
        return false;
    CompanyBalanceGroup groups;
    return systemTypes().apply(this, &groups, db, COMMON_LOCATION);
}

} // namespace Model::Base
