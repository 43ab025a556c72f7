#include "city.h"

#include <QObject>

namespace Model::Base {

City::City()
{
    declareColumn(QStringLiteral("name"), SQL_TEXT, true, QVariant(), QObject::tr("Name"), UNIQUE | UNIQUE_DUPLICATE);
    declareColumn(QStringLiteral("coords_vertex"), SQL_TEXT, false, QVariant(), QObject::tr("Coordinates"));
}

City::~City() = default;

} // namespace Model::Base
