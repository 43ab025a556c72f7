#include "paymentsystemaccountscompany.h"

#include <QObject>

namespace Model::Base {

PaymentSystemAccountsCompany::PaymentSystemAccountsCompany()
{
    declareReference("rst_id_company", "companies", QString(), NON_UPDATABLE);
    declareReference("rst_id_payment_system", "payment_systems", QString());
    declareColumn("uuid", SQL_TEXT, true, QVariant(), QObject::tr("Uuid"), IS_UUID | NON_UPDATABLE);
    declareColumn("public_key", SQL_TEXT, false, QString(""), QObject::tr("Public key"));
    declareColumn("private_key", SQL_TEXT, false, QString(""), QObject::tr("Private key"), HIDDEN | SECRET);
    declareColumn("enabled", SQL_INTEGER, true, 0, QObject::tr("Enabled"));
    declareColumn("currency", SQL_TEXT, true, "BTC", QObject::tr("Currency"));
    declareColumn("weight", SQL_INTEGER, true, 100, QObject::tr("Weight"));
    declareColumn("fee_payment_system_percent", SQL_DOUBLE, true, "0.00",
                  QObject::tr("Relative fee of payment system"));
    declareColumn("fee_payment_system_abs", SQL_DOUBLE, true, "0.00", QObject::tr("Absolute fee of payment system"));
    declareColumn("fee_nt_percent", SQL_DOUBLE, true, "0.00", QObject::tr("Relative fee of Koriv"));
    declareColumn("fee_nt_abs", SQL_DOUBLE, true, "0.00", QObject::tr("Absolute fee of Koriv"));
    declareColumn("def_payment_value", SQL_DOUBLE, true, "0.00", QObject::tr("Default payment value"));
    declareColumn("client_lang", SQL_TEXT, false, "en", QObject::tr("Client language"));
    declareColumn("save_client_data", SQL_INTEGER, true, "0", QObject::tr("Save client data"));
    declareColumn("is_sandbox", SQL_INTEGER, true, "0", QObject::tr("Sandbox mode"));
    declareColumn("payee", SQL_TEXT, false, QVariant(), QObject::tr("Payee"));
    declareColumn("bank", SQL_TEXT, false, QVariant(), QObject::tr("Bank"));
    declareColumn("edrpou", SQL_TEXT, false, QVariant(), QObject::tr("EDRPOU"));
    declareColumn("mfo", SQL_TEXT, false, QVariant(), QObject::tr("MFO"));
    declareColumn("account", SQL_TEXT, false, QVariant(), QObject::tr("Account"));
    declareColumn("payment_details", SQL_TEXT, false, QVariant(), QObject::tr("Payment details"));
    declareColumn("nds", SQL_DOUBLE, true, "0.00", QObject::tr("NDS"));
    declareColumn("inner_note", SQL_TEXT, false, QVariant(), QObject::tr("Inner note"));
    declareColumn("subprovider_id", SQL_INTEGER, true, "0", QObject::tr("Subprovider Id"));
    declareAttached("company_name", "companies", "company_name", QString());
    declareAttached("ps_name", "payment_systems", "name", QString());
    addIndex({"enabled"});
}

} // namespace Model::Base
