#pragma once

#include "model/base/rating/driverratinglog.h"

namespace Model::Tavik {

// The dispatcher's view of the driver rating log, with the driver's call sign.
class DriverRatingLog : public Base::DriverRatingLog
{
public:
    DriverRatingLog();
};

} // namespace Model::Tavik
