#pragma once

#include <QVersionNumber>

// Process-wide registry of component versions; component 0 is the application.
// An unknown component is registered with an empty version on first read.
QVersionNumber componentVersion(int component);
void setComponentVersion(int component, const QVersionNumber &version);
