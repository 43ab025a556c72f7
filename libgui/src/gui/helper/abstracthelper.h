#pragma once

class QWidget;

namespace Gui::Helper {

// Base of the mix-in helpers: remembers the widget the helper belongs to (may be null).
class AbstractHelper
{
public:
    explicit AbstractHelper(QWidget *widget = nullptr);
    virtual ~AbstractHelper();

    QWidget *widget() const;

private:
    QWidget *m_widget;
};

} // namespace Gui::Helper
