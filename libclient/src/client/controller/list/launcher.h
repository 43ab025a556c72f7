#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The commands of the launcher window; a list of the client alone.
class Launcher : public DesktopController
{
    Q_OBJECT

public:
    explicit Launcher(QQuickItem *parent = nullptr);
    ~Launcher() override;

    QString name() const override;
};

} // namespace Client::Controller
