#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Base of everything that signs in with a sign and a password and can be blocked: drivers, users,
// companies and terminal companies.
class Owner : public AbstractModel
{
public:
    Owner();
    ~Owner() override;

    // Set by the constructor and read by nothing in the library; kept for subclasses.
    bool isOwner() const { return m_owner; }

private:
    bool m_owner = true;
};

} // namespace Model::Base
