#include "fieldorder.h"

#include "model/base/abstractmodel.h"

namespace Client::Controller::FieldOrder {

bool isIntegral(qint32 sqlType)
{
    return sqlType == Model::SQL_INTEGER || sqlType == Model::SQL_BIGINTEGER;
}

Kind kindOf(qint32 sqlType)
{
    if (isIntegral(sqlType))
        return Kind::Integer;
    if (sqlType == Model::SQL_REAL || sqlType == Model::SQL_DOUBLE)
        return Kind::Real;
    return Kind::Text;
}

Kind kindOf(const Model::AbstractModel *catalogue, const QString &column)
{
    const Common::FieldDescriptor *field = catalogue ? catalogue->findField(column) : nullptr;
    return field ? kindOf(field->type) : Kind::Text;
}

int compare(Kind kind, const QVariant &a, const QVariant &b)
{
    switch (kind) {
    case Kind::Integer: {
        const qint64 x = a.toLongLong();
        const qint64 y = b.toLongLong();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case Kind::Real: {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case Kind::Text:
        break;
    }
    return QString::compare(a.toString().toLower(), b.toString().toLower());
}

} // namespace Client::Controller::FieldOrder
