#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The user groups ("ug"): one class-wide list that every page shares.
class UserGroup : public DesktopController
{
    Q_OBJECT

public:
    explicit UserGroup(QQuickItem *parent = nullptr);
    ~UserGroup() override;

    QString name() const override;
};

} // namespace Client::Controller
