#include "guisession.h"

#include <QObject>

namespace Model::Base {

GuiSession::GuiSession()
{
    declare("rst_id_owner", Field(NON_UPDATABLE));
    declareColumn("name", SQL_TEXT, true, "n/a", QObject::tr("Name"));
    declareColumn("value", SQL_TEXT, true, "{}", QObject::tr("Value"));
    declareColumn("auto_save", SQL_INTEGER, true, 1, QObject::tr("Auto save"));
    declareColumn("note", SQL_TEXT, false, QVariant(), QObject::tr("Note"));
    declareColumn("is_default", SQL_INTEGER, true, 0, QObject::tr("Is default"), NON_UPDATABLE);
    declareDisplay("auto_save_string", QObject::tr("Auto save"));
    declareDisplay("is_default_string", QObject::tr("Is default"));
    addIndex({"is_default"});
}

QString GuiSession::tableName() const
{
    return QString();
}

} // namespace Model::Base
