#pragma once

#include "model/base/creator.h"

#include <QVector>

namespace Model {

// Every catalogue of the library that describes a table (or a field list), in dependency order:
// a catalogue stands after those whose tables its seed reads, and preferably after those whose
// tables it references (cycles are allowed: see DatabaseInitializer).
QVector<Creator::Factory> allCatalogues();

// Registers in Creator, under its table name, the catalogue that creates each table of
// allCatalogues() (the most complete one); names registered already are left alone. Throws
// Exception when the list is inconsistent (DatabaseInitializer::plan).
void registerAllCatalogues();

} // namespace Model
