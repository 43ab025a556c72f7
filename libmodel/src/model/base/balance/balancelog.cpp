#include "balancelog.h"

#include <QObject>

namespace Model::Base {

BalanceLog::BalanceLog()
{
    setLimit(500);
    declare("rst_id_owner", Field(ORDINARY));
    declare("rst_id_bg", Field(ORDINARY));
    declare("rst_id_bt", Field(ORDINARY));
    declare("rst_id_user_created", Field::referenceTo("users", FK_SET_DEFAULT));
    declareColumn("sign_user_created", SQL_TEXT, false, QVariant(), QObject::tr("Sign of user created"));
    declareColumn("value", SQL_REAL, true, 0.0, QObject::tr("Value"));
    declareColumn("balance", SQL_REAL, true, 0.0, QObject::tr("Balance"));
    declareColumn("note", SQL_TEXT, false, QVariant(), QObject::tr("Note"));
    declareColumn("bg_name", SQL_TEXT, false, QVariant(), QObject::tr("Balance group"));
    declareColumn("bt_name", SQL_TEXT, false, QVariant(), QObject::tr("Balance type"));
    declareColumn("trn_key", SQL_TEXT, true, "n/a", QObject::tr("Transaction key"), IS_UUID);
    // A transaction is booked at most once per owner.
    addIndex({"UNIQUE", "rst_id_owner", "trn_key"});
}

QString BalanceLog::tableName() const
{
    return QString();
}

} // namespace Model::Base
