#include "ownerkeeper.h"

#include <QObject>

namespace Model::Base {

OwnerKeeper::OwnerKeeper()
{
    // A plain row number, not a key.
    declare("id", Field().setType(SQL_BIGINTEGER, true).setTitle(QObject::tr("Id")));
    declare("sign", Field(ORDINARY));
}

QString OwnerKeeper::tableName() const
{
    return QString();
}

} // namespace Model::Base
