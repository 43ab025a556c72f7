#pragma once

// Registers every type that pages create, in the QML module "Taldor" 1.0: the library's
// controllers and models and the application's entity controllers (Company is CompanyQml).
// Each also becomes usable as a property type and in lists. Call once, before the QML engine
// is created; the types that pages may not create are registered by the caller first.
void registerCreatableQmlTypes();

// The whole module "Taldor" 1.0: the types pages may not create (the field enums and the shell's
// objects that pages reach through GLOBAL), then the creatable ones. Runs once per process.
void registerQmlTypes();
