#pragma once

#include "booleanlabel.h"

namespace Gui {

// "host:port" of the server, green while connected and red otherwise.
class HostLabel : public BooleanLabel
{
    Q_OBJECT

public:
    HostLabel(const QString &host, int port, QWidget *parent = nullptr);
    ~HostLabel() override;

public slots:
    void setConnected(bool connected);
};

} // namespace Gui
