#pragma once

#include "model/base/value/value.h"

namespace Model::Orlem {

// Server settings of the gateway, seeded with "scheduler" and the cost of raising a driver's
// rating.
class Value : public Base::Value
{
public:
    // The seeded "raise_rating_cost": JSON that the raise-rating editor reads.
    static QString defaultRaiseRatingCost();

    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
