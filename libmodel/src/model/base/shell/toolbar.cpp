#include "toolbar.h"

#include <QObject>

namespace Model::Base {

ToolBar::ToolBar()
{
    // A plain row number, not a key.
    declare("id", Field().setType(SQL_BIGINTEGER, true).setTitle(QObject::tr("Id")));
    declare("commandId", Field().setType(SQL_INTEGER, true));
    declare("name", Field(ORDINARY).setType(SQL_TEXT, false));
    // "menu" or "item".
    declare("type", Field(CUSTOM));
    // The menu action itself, held as a variant.
    declare("commandObject", Field(CUSTOM));
}

QString ToolBar::tableName() const
{
    return QString();
}

} // namespace Model::Base
