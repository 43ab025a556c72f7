#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// A transfer of money from one owner's balance to another's; each kind of owner re-declares the
// contributor and acceptor references for its table.
class OwnerBalanceTransfer : public AbstractModel
{
public:
    OwnerBalanceTransfer();
};

} // namespace Model::Base
