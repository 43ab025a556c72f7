#pragma once

#include "optionvaluecontroller.h"

namespace Client::Controller {

// The option values of user groups ("ugso"); the process-wide instance holds the signed-in
// user's group values that every right check reads, editor pages hold any group's.
class UserGroupSecurityOption : public OptionValueController
{
    Q_OBJECT

public:
    explicit UserGroupSecurityOption(QQuickItem *parent = nullptr);
    ~UserGroupSecurityOption() override;

    QString name() const override;

protected:
    QString ownerColumn() const override;
    QString ownValue() const override;
};

} // namespace Client::Controller
