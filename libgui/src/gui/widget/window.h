#pragma once

#include "gui/helper/windowguisettings.h"

#include <QWidget>

namespace Gui {

// A top-level tool window: no parent, deleted when closed, closed by Escape, Enter reported;
// its geometry is kept in the current GUI session.
class Window : public QWidget, public Helper::WindowGuiSettings
{
    Q_OBJECT

public:
    Window();
    ~Window() override;

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};

} // namespace Gui
