#include "delivery.h"

#include "gui/controller/network.h"

#include <QCoreApplication>

void deliverMessage(Gui::Network *network, const QString &controller, const QString &action,
                    const QVariantMap &params)
{
    network->dispatchMessage(controller, action, params);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
