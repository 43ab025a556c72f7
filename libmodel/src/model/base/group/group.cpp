#include "group.h"

#include <QObject>

namespace Model::Base {

Group::Group()
{
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QVariant(), QObject::tr("Name"), UNIQUE);
    declareColumn(QStringLiteral("description"), SQL_TEXT, false, QVariant(), QObject::tr("Description"));
}

Group::~Group() = default;

} // namespace Model::Base
