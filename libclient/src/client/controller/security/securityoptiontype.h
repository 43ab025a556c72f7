#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The security option types ("sot"): one class-wide list, shown by option group name.
class SecurityOptionType : public DesktopController
{
    Q_OBJECT

public:
    explicit SecurityOptionType(QQuickItem *parent = nullptr);
    ~SecurityOptionType() override;

    QString name() const override;
};

} // namespace Client::Controller
