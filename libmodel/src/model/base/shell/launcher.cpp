#include "launcher.h"

#include <QObject>

namespace Model::Base {

Launcher::Launcher()
{
    // A plain row number, not a key.
    declare("id", Field().setType(SQL_BIGINTEGER, true).setTitle(QObject::tr("Id")));
    declare("name", Field(ORDINARY));
    // The command object the launcher runs.
    declare("commandObject", Field(ORDINARY));
}

QString Launcher::tableName() const
{
    return QString();
}

} // namespace Model::Base
