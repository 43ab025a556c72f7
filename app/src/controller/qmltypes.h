#pragma once

// Registers every type that pages create, in the QML module "Taldor" 1.0: the library's
// controllers and models and the application's entity controllers (Company is CompanyQml).
// Each also becomes usable as a property type and in lists. Call once, before the QML engine
// is created; the types that pages may not create are registered by the caller first.
void registerCreatableQmlTypes();
