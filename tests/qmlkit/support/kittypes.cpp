#include "kittypes.h"

#include "client/controller/originalmodel.h"
#include "client/controller/proxymodel.h"
#include "client/controller/user/user.h"
#include "client/controller/user/usergroup.h"
#include "kitcontrollers.h"
#include "scriptednetwork.h"

#include <QtQml>

void registerKitTypes()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    qmlRegisterType<KitDriver>("Koriv.Test", 1, 0, "KitDriver");
    qmlRegisterType<KitCity>("Koriv.Test", 1, 0, "KitCity");
    qmlRegisterType<KitCompany>("Koriv.Test", 1, 0, "KitCompany");
    qmlRegisterType<Client::Controller::User>("Koriv.Test", 1, 0, "User");
    // The application registers its notification controller in its own module.
    qmlRegisterType<KitNotification>("Taldor", 1, 0, "Notification");
    qmlRegisterType<Client::Controller::UserGroup>("Koriv.Test", 1, 0, "UserGroup");
    qmlRegisterUncreatableType<Client::Controller::OriginalModel>("Koriv.Test", 1, 0, "OriginalModel", "rows");
    qmlRegisterUncreatableType<Client::Controller::ProxyModel>("Koriv.Test", 1, 0, "ProxyModel", "view");
    qmlRegisterSingletonType<ScriptedNetwork>("Koriv.Test", 1, 0, "ScriptedNetwork",
                                              [](QQmlEngine *, QJSEngine *) -> QObject * {
                                                  return new ScriptedNetwork;
                                              });
}
