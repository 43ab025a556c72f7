#pragma once

// Registers the whole module "Taldor" 1.0: the types pages may not create (the field enums and
// the shell's objects that pages reach through GLOBAL), then the creatable ones, the library's
// controllers and models and the application's entity controllers (Company is CompanyQml). Call
// before the QML engine is created; it runs once per process.
void registerQmlTypes();
