#pragma once

#include "model/base/namedmodel.h"

namespace Model::Base {

// Top level of a balance ledger: a group of balance types with a unique code. Field list only;
// each ledger's subclass names its table.
class BalanceGroup : public NamedModel
{
public:
    BalanceGroup();
    ~BalanceGroup() override;
};

} // namespace Model::Base
