#include "fielddescriptor.h"

namespace Common {

QVariant FieldDescriptor::bindable(const QVariant &v) const
{
    if (!Sql::isNumericType(type))
        return v;
    if (v.isNull() || (v.userType() == QMetaType::QString && v.toString().trimmed().isEmpty()))
        return QVariant(type == Sql::SQL_INTEGER || type == Sql::SQL_BIGINTEGER ? QVariant::LongLong
                                                                                  : QVariant::Double);
    return v;
}

} // namespace Common
