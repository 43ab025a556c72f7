#include "namedmodel.h"

namespace Model {

NamedModel::NamedModel(const QString &tableName)
    : m_tableName(tableName)
{
}

NamedModel::~NamedModel() = default;

QString NamedModel::tableName() const
{
    return m_tableName;
}

} // namespace Model
