#include "searchrole.h"

namespace Model::Base {

SearchRole::SearchRole()
{
    declareColumn("seq_num", SQL_BIGINTEGER, false, QVariant(), QString());
    declareColumn("title", SQL_TEXT, false, QVariant(), QString());
    declareColumn("role", SQL_TEXT, false, QVariant(), QString());
}

QString SearchRole::tableName() const
{
    return QString();
}

} // namespace Model::Base
