#pragma once

// Registers the QML types of the kit's page tests under "Koriv.Test" 1.0: the controllers over
// real catalogues, the application's user and user-group controllers, and the ScriptedNetwork
// singleton; and the notification controller under the application's module "Taldor" 1.0.
void registerKitTypes();
