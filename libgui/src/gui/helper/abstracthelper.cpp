#include "abstracthelper.h"

namespace Gui::Helper {

AbstractHelper::AbstractHelper(QWidget *widget)
    : m_widget(widget)
{
}

AbstractHelper::~AbstractHelper() = default;

QWidget *AbstractHelper::widget() const
{
    return m_widget;
}

} // namespace Gui::Helper
