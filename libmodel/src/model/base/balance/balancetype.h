#pragma once

#include "model/base/namedmodel.h"

namespace Model::Base {

// Second level of a balance ledger: a type of movement (debit or credit) within a balance group.
// Field list only; each ledger's subclass names its table and its group reference.
class BalanceType : public NamedModel
{
public:
    BalanceType();
    ~BalanceType() override;

protected:
    // The reference to the ledger's group table, BIGINT NOT NULL DEFAULT 1. A group that still has
    // types cannot be deleted (ON DELETE RESTRICT): a cascade would take its types and, through
    // them, the balance logs booked under them.
    static Field groupReference(const QString &groupTable);
};

} // namespace Model::Base
