#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The users' own option values ("uso"); the process-wide instance holds the signed-in user's
// values that every right check reads.
class UserSecurityOption : public DesktopController
{
    Q_OBJECT

public:
    explicit UserSecurityOption(QQuickItem *parent = nullptr);
    ~UserSecurityOption() override;

    QString name() const override;
};

} // namespace Client::Controller
