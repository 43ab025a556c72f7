#include "qmltestsetup.h"

#include "qmlstandins.h"

#include <QQmlEngine>

void QmlTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    auto *standins = new QmlStandins(engine);
    standins->install(engine);
}
