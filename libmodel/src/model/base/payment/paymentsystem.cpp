#include "paymentsystem.h"

#include <QObject>

namespace Model::Base {

PaymentSystem::PaymentSystem()
{
    declareColumn("uuid", SQL_TEXT, true, QVariant(), QObject::tr("Uuid"), IS_UUID | NON_UPDATABLE);
    declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name"), UNIQUE);
    declareColumn("code", SQL_TEXT, true, "n/a", QObject::tr("Code"), UNIQUE);
    declareColumn("enabled", SQL_INTEGER, true, "0", QObject::tr("Enabled"));
    declareColumn("login", SQL_TEXT, false, QVariant(), QObject::tr("Login"));
    declareColumn("password", SQL_TEXT, false, QVariant(), QObject::tr("Password"), HIDDEN | SECRET);
    declareColumn("fondy_credit_key", SQL_TEXT, false, QVariant(), QObject::tr("Credit key"), HIDDEN | SECRET);
    declareColumn("incoming_commiss", SQL_REAL, true, "0.0", QObject::tr("Incoming commiss"));
    declareColumn("outgoing_commiss", SQL_REAL, true, "0.0", QObject::tr("Outgoing commiss"));
    declareColumn("api_url", SQL_TEXT, false, QVariant(), QObject::tr("API URL"));
    declareColumn("http_checkout_address", SQL_TEXT, true, "https://checkout.example.com/checkout",
                  QObject::tr("HTTP checkout address"));
    declareColumn("server_url", SQL_TEXT, true, "https://merchant.example.com/statustrack",
                  QObject::tr("URL for status track"));
    declareColumn("result_url", SQL_TEXT, true, "https://merchant.example.com/result", QObject::tr("URL after pay"));
    addIndex({"enabled"});
    addIndex({"code"});
}

} // namespace Model::Base
