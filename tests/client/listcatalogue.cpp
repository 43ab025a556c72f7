#include "listcatalogue.h"

#include <QObject>

ListCatalogue::ListCatalogue()
{
    declareColumn(QStringLiteral("name"), Model::SQL_TEXT, true, QStringLiteral("n/a"), QObject::tr("Name"));
    declareColumn(QStringLiteral("note"), Model::SQL_VARCHAR, false, QVariant(), QObject::tr("Note"));
    declareColumn(QStringLiteral("count"), Model::SQL_INTEGER, true, 0, QObject::tr("Count"));
    declareColumn(QStringLiteral("big"), Model::SQL_BIGINTEGER, true, 0, QObject::tr("Big"));
    declareColumn(QStringLiteral("price"), Model::SQL_DOUBLE, true, 0, QObject::tr("Price"));
    declareColumn(QStringLiteral("status"), Model::SQL_INTEGER, true, 0, QObject::tr("Status"));
    declareAttached(QStringLiteral("group_name"), QStringLiteral("groups"), QStringLiteral("name"),
                    QObject::tr("Group"));
}
