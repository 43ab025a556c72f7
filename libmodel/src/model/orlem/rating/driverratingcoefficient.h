#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Orlem {

// Rules that move a driver's rating: for each kind of event, how many in a row change the
// rating by how much.
class DriverRatingCoefficient : public AbstractModel
{
public:
    DriverRatingCoefficient();

    QString tableName() const override { return QStringLiteral("driver_rating_coefficients"); }
    bool createSystemRecords(Common::Db *db) override;
};

} // namespace Model::Orlem
