#pragma once

#include <QString>
#include <QVariantMap>

namespace Gui {
class Network;
}

// Hands a message to the shell's network as its thread does, then lets both hand-overs run:
// into the GUI thread, then queued to each widget-side controller.
void deliverMessage(Gui::Network *network, const QString &controller, const QString &action,
                    const QVariantMap &params);
