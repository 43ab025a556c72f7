#include "hostlabel.h"

namespace Gui {

HostLabel::HostLabel(const QString &host, int port, QWidget *parent)
    : BooleanLabel(parent)
{
    setText(tr("%1:%2").arg(host).arg(port));
    setConnected(false);
}

HostLabel::~HostLabel() = default;

void HostLabel::setConnected(bool connected)
{
    setValue(connected);
}

} // namespace Gui
