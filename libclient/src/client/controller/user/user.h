#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The users ("user"): one class-wide list that every page shares.
class User : public DesktopController
{
    Q_OBJECT

public:
    explicit User(QQuickItem *parent = nullptr);
    ~User() override;

    QString name() const override;
};

} // namespace Client::Controller
