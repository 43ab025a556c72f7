#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Row layout of the client's list of searchable roles; names no table.
class SearchRole : public AbstractModel
{
public:
    SearchRole();

    QString tableName() const override;
};

} // namespace Model::Base
