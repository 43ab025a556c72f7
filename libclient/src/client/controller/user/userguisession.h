#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The users' saved desktop layouts ("userGuiSession"), rows per instance.
class UserGuiSession : public DesktopController
{
    Q_OBJECT

public:
    explicit UserGuiSession(QQuickItem *parent = nullptr);
    ~UserGuiSession() override;

    QString name() const override;
};

} // namespace Client::Controller
