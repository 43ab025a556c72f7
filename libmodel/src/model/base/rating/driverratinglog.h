#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// One change of a driver's rating by a client or by the system (table "driver_rating_logs").
class DriverRatingLog : public AbstractModel
{
public:
    DriverRatingLog();
    ~DriverRatingLog() override;

    QString tableName() const override;
};

} // namespace Model::Base
