#pragma once

#include <QObject>

namespace Gui {

// Lets the wheel change a combo box, spin box or date and time edit only while it has the focus,
// and keeps the wheel from giving it the focus (a click or Tab does). A turn over such a control
// without the focus goes on to what is around it, a scroll area scrolls, or is lost: a pointer
// passing over a form changes no value. Costs a comparison of the type of each event.
class FocusedWheel : public QObject
{
    Q_OBJECT

public:
    // Watches the application's widgets while it lives.
    explicit FocusedWheel(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Gui
