#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// A list of owners by sign, kept by the client alone.
class OwnerKeeper : public DesktopController
{
    Q_OBJECT

public:
    explicit OwnerKeeper(QQuickItem *parent = nullptr);
    ~OwnerKeeper() override;

    QString name() const override;
};

} // namespace Client::Controller
