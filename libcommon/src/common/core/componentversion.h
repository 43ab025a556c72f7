#pragma once

#include <QVersionNumber>

// Process-wide registry of component versions; component 0 is the application (1.6.0 from the
// start, so no request goes out without it).
// A read of a component nobody registered gives, and registers, the empty version.
QVersionNumber componentVersion(int component);
// Registers a version; the first real registration wins and is returned. An entry that is still
// empty (only read so far) takes the version, so an early read cannot pin a component as
// unversioned for the rest of the run.
QVersionNumber setComponentVersion(int component, const QVersionNumber &version);
