#pragma once

#include "model/base/session/session.h"

namespace Model::Orlem {

// Sessions of drivers.
class DriverSession : public Base::Session
{
public:
    DriverSession();

    QString tableName() const override { return QStringLiteral("driver_sessions"); }
};

} // namespace Model::Orlem
