#pragma once

#include "client/controller/desktopcontroller.h"

namespace Client::Controller {

// The tree of menus and commands that the main menu exports for the tool bar; a list of the client
// alone, never requested from the server.
class ToolBar : public DesktopController
{
    Q_OBJECT

public:
    explicit ToolBar(QQuickItem *parent = nullptr);
    ~ToolBar() override;

    QString name() const override;
};

} // namespace Client::Controller
