#pragma once

#include <QString>
#include <QtGlobal>

// The names that the shape files (tests/model/shapes) give flag bits, column types and
// foreign-key actions. A name they do not know ends the test run (qFatal): the file is wrong.
namespace ShapeNames {

// "REFERENCE", "NON_UPDATABLE", ...
quint64 flag(const QString &name);
// "SQL_TEXT", ...; a field without a type is "SQL_UNDEFINED" or "".
qint32 type(const QString &name);
// "CASCADE", "SET DEFAULT", ...
quint8 action(const QString &name);

} // namespace ShapeNames
