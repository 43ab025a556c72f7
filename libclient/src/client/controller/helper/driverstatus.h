#pragma once

#include "helper.h"

#include <QVariantMap>

namespace Client::Controller::Helper {

// Turns a driver's status number into its text for the driver controllers' rows.
class DriverStatus : public Helper
{
public:
    // Sets "status_string" from "status": "Offline", "Free", "On order", ... or "n/a".
    void setStatusString(QVariantMap &row) const;
};

} // namespace Client::Controller::Helper
