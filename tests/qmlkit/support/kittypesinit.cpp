// Linked into the kit's Qt Quick Test executables: their QML types exist before any test file loads.
#include "kittypes.h"

#include <QCoreApplication>

namespace {
void registerAtStart()
{
    registerKitTypes();
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerAtStart)
