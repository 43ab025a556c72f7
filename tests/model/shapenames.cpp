#include "shapenames.h"

#include "model/base/field.h"

#include <QHash>

using namespace Model;

namespace ShapeNames {

namespace {

template<typename T>
T lookUp(const QHash<QString, T> &names, const char *what, const QString &name)
{
    const auto it = names.constFind(name);
    if (it == names.cend())
        qFatal("shape file: unknown %s '%s'", what, qPrintable(name));
    return it.value();
}

} // namespace

quint64 flag(const QString &name)
{
    static const QHash<QString, quint64> flags{
        {"PRIMARY_KEY", PRIMARY_KEY},
        {"REFERENCE", REFERENCE},
        {"UPDATE_TIMESTAMP", UPDATE_TIMESTAMP},
        {"INSERT_TIMESTAMP", INSERT_TIMESTAMP},
        {"UNIQUE", UNIQUE},
        {"ATTACHED", ATTACHED},
        {"IS_UUID", IS_UUID},
        {"NON_UPDATABLE", NON_UPDATABLE},
        {"HIDDEN", HIDDEN},
        {"UNIQUE_DUPLICATE", UNIQUE_DUPLICATE},
        {"CUSTOM", CUSTOM},
        {"SYNC_TAX", SYNC_TAX},
        {"API", API},
        {"SYNC_ORLEM", SYNC_ORLEM},
        {"INSERT_DEFAULT", INSERT_DEFAULT},
        {"SECRET", SECRET},
    };
    return lookUp(flags, "flag", name);
}

qint32 type(const QString &name)
{
    static const QHash<QString, qint32> types{
        {"", SQL_UNDEFINED},
        {"SQL_UNDEFINED", SQL_UNDEFINED},
        {"SQL_INTEGER", SQL_INTEGER},
        {"SQL_BIGINTEGER", SQL_BIGINTEGER},
        {"SQL_REAL", SQL_REAL},
        {"SQL_DOUBLE", SQL_DOUBLE},
        {"SQL_VARCHAR", SQL_VARCHAR},
        {"SQL_TEXT", SQL_TEXT},
    };
    return lookUp(types, "type", name);
}

quint8 action(const QString &name)
{
    static const QHash<QString, quint8> actions{
        {"RESTRICT", FK_RESTRICT},
        {"NO ACTION", FK_NO_ACTION},
        {"CASCADE", FK_CASCADE},
        {"SET NULL", FK_SET_NULL},
        {"SET DEFAULT", FK_SET_DEFAULT},
    };
    return lookUp(actions, "action", name);
}

} // namespace ShapeNames
