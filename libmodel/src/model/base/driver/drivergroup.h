#pragma once

#include "model/base/group/group.h"

namespace Model::Base {

// Catalogue of the driver groups ("driver_groups"): the group base alone.
class DriverGroup : public Group
{
public:
    QString tableName() const override { return QStringLiteral("driver_groups"); }
};

} // namespace Model::Base
