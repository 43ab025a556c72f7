#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The security option groups ("sog"): one class-wide list.
class SecurityOptionGroup : public DesktopController
{
    Q_OBJECT

public:
    explicit SecurityOptionGroup(QQuickItem *parent = nullptr);
    ~SecurityOptionGroup() override;

    QString name() const override;
};

} // namespace Client::Controller
