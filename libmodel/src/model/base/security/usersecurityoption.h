#pragma once

#include "model/base/abstractmodel.h"

namespace Model::Base {

// Catalogue of the users' own option values ("user_security_options"); a value marked is_using
// overrides the group's.
class UserSecurityOption : public AbstractModel
{
public:
    UserSecurityOption();
    ~UserSecurityOption() override;

    QString tableName() const override { return QStringLiteral("user_security_options"); }
};

} // namespace Model::Base
