#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The option values of user groups ("ugso"); the process-wide instance holds the signed-in
// user's group values that every right check reads.
class UserGroupSecurityOption : public DesktopController
{
    Q_OBJECT

public:
    explicit UserGroupSecurityOption(QQuickItem *parent = nullptr);
    ~UserGroupSecurityOption() override;

    QString name() const override;
};

} // namespace Client::Controller
