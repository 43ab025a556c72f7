#include "ownerbalancetransfer.h"

#include <QObject>

namespace Model::Base {

OwnerBalanceTransfer::OwnerBalanceTransfer()
{
    declare("rst_id_owner_contributor", Field(NON_UPDATABLE));
    declare("rst_id_owner_acceptor", Field(NON_UPDATABLE));
    declareColumn("sign_contributor", SQL_TEXT, true, "n/a", QObject::tr("Sign contributor"), NON_UPDATABLE);
    declareColumn("sign_acceptor", SQL_TEXT, true, "n/a", QObject::tr("Sign acceptor"), NON_UPDATABLE);
    declareColumn("trn_key", SQL_TEXT, true, "n/a", QObject::tr("Transaction key"), IS_UUID | NON_UPDATABLE);
    declareColumn("password", SQL_TEXT, false, QVariant(), QObject::tr("Password"), NON_UPDATABLE | HIDDEN | SECRET);
    declareColumn("amount_credit", SQL_REAL, true, 0, QObject::tr("Amount to credit"), NON_UPDATABLE);
    declareColumn("amount_debit", SQL_REAL, true, 0, QObject::tr("Amount to debit"), NON_UPDATABLE);
    declareColumn("percent", SQL_REAL, true, 0, QObject::tr("%"), NON_UPDATABLE);
    declareColumn("dt_utc_timeout", SQL_BIGINTEGER, true, 0, QObject::tr("Operation timeout"), NON_UPDATABLE);
    declareColumn("amount_attempts", SQL_INTEGER, true, 0, QObject::tr("Amount attempts"), NON_UPDATABLE);
    declareColumn("code_completed", SQL_INTEGER, true, 0, QObject::tr("Code completed"), NON_UPDATABLE);
    declareColumn("is_completed", SQL_INTEGER, true, 0, QObject::tr("Is completed"), NON_UPDATABLE);
    addIndex({"is_completed"});
    addIndex({"code_completed"});
    addIndex({"trn_key"});
}

} // namespace Model::Base
