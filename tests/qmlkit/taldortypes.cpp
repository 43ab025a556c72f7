// The application's QML module as far as the controller look-up of the page scripts needs it.
#include "standincontroller.h"

#include <QtQml>

namespace {
const bool registered = [] {
    qmlRegisterType<StandinController>("Taldor", 1, 0, "UserSecurityOption");
    qmlRegisterType<StandinController>("Taldor", 1, 0, "Driver");
    qmlRegisterType<StandinController>("Taldor", 1, 0, "Notification");
    return true;
}();
}
