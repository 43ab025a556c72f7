#include "paymentsystempaymentslog.h"

#include <QObject>

namespace Model::Base {

PaymentSystemPaymentsLog::PaymentSystemPaymentsLog()
{
    setLimit(200);
    declare("rst_id_owner", Field(NON_UPDATABLE));
    declareReference("rst_id_payments_system_acc_comp", "payment_systems_company_accounts", QString(),
                     NON_UPDATABLE);
    declareReference("rst_id_company", "companies", QString(), NON_UPDATABLE);
    declareReference("rst_id_payment_system", "payment_systems", QString());
    declareColumn("sign", SQL_TEXT, true, QVariant(), QObject::tr("Sign"));
    declareColumn("amount", SQL_DOUBLE, true, "0.00", QObject::tr("Amount"), NON_UPDATABLE);
    declareColumn("ext_pay_id", SQL_BIGINTEGER, false, QVariant(), QObject::tr("External pay id"), NON_UPDATABLE);
    declareColumn("trn_key", SQL_TEXT, true, "n/a", QObject::tr("Transaction key"), NON_UPDATABLE);
    declareColumn("data", SQL_TEXT, true, QVariant(), QObject::tr("data"), NON_UPDATABLE);
    declareColumn("response", SQL_TEXT, false, QVariant(), QObject::tr("Response"), NON_UPDATABLE);
    declareColumn("is_successfully", SQL_INTEGER, true, "0", QObject::tr("Is successfully"), NON_UPDATABLE);
    declareColumn("is_completed", SQL_INTEGER, true, "0", QObject::tr("Is completed"), NON_UPDATABLE);
    declareColumn("dt_expired_date", SQL_BIGINTEGER, true, 0, QObject::tr("Expired date"), NON_UPDATABLE);
    declareColumn("dt_last_status_check", SQL_BIGINTEGER, true, 0, QObject::tr("Last status check"), NON_UPDATABLE);
    declareAttached("company_name", "companies", "company_name", QObject::tr("Company"));
    declareAttached("ps_name", "payment_systems", "name", QObject::tr("Payment system"));
    addIndex({"is_successfully"});
    addIndex({"ext_pay_id"});
    addIndex({"trn_key"});
    addIndex({"is_completed"});
    addIndex({"dt_expired_date"});
}

QString PaymentSystemPaymentsLog::tableName() const
{
    return QString();
}

} // namespace Model::Base
