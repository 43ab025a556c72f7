#include "owner.h"

#include <QObject>

namespace Model::Base {

Owner::Owner()
{
    declareColumn(QStringLiteral("sign"), SQL_TEXT, true, QVariant(), QObject::tr("Sign"),
                  UNIQUE | NON_UPDATABLE | SYNC_ORLEM);
    declareColumn(QStringLiteral("pwd"), SQL_TEXT, false, QVariant(), QObject::tr("Password"), NON_UPDATABLE | HIDDEN | SECRET);
    declareColumn(QStringLiteral("blocked"), SQL_INTEGER, true, 0, QObject::tr("Blocked"));
    declareColumn(QStringLiteral("pass_check_ver"), SQL_INTEGER, true, 0, QObject::tr("Pass checking new version"));
    declareColumn(QStringLiteral("inner_note"), SQL_TEXT, false, QVariant(), QObject::tr("Inner note"), SYNC_ORLEM);
    addIndex({QStringLiteral("sign"), QStringLiteral("pwd")});
    addIndex({QStringLiteral("blocked")});
}

Owner::~Owner() = default;

} // namespace Model::Base
