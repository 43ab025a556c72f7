#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// A client-side list of owners identified by their sign; names no table.
class OwnerKeeper : public AbstractModel
{
public:
    OwnerKeeper();

    QString tableName() const override;
};

} // namespace Model::Base
