#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Fields every balance ledger has: one movement of one owner's balance. A field list only;
// each ledger re-declares the owner, group and type references for its own tables.
class BalanceLog : public AbstractModel
{
public:
    BalanceLog();

    QString tableName() const override;
};

} // namespace Model::Base
