#include "value.h"

#include <QObject>

namespace Model::Base {

Value::Value()
{
    declareColumn("code", SQL_TEXT, true, "n/a", QObject::tr("Code"), NON_UPDATABLE | UNIQUE);
    declareColumn("value", SQL_TEXT, false, QVariant(), QObject::tr("Value"));
    addIndex({"UNIQUE", "code"});
}

} // namespace Model::Base
