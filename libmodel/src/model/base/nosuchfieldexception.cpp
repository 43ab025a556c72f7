#include "nosuchfieldexception.h"

namespace Model {

NoSuchFieldException::NoSuchFieldException(const QString &fieldName, const QString &tableName)
    : Exception(QStringLiteral("Field name %1 doesn't exist in controller %2").arg(fieldName, tableName))
{
}

NoSuchFieldException::~NoSuchFieldException() = default;

} // namespace Model
