#pragma once

#include "session.h"

namespace Model::Base {

// Sessions of users.
class UserSession : public Session
{
public:
    UserSession();

    QString tableName() const override { return QStringLiteral("user_sessions"); }
};

} // namespace Model::Base
