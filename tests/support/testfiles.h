#pragma once

#include <QByteArray>
#include <QString>

// The whole file, or "<unreadable>" when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the whole file; false when it could not.
bool writeFile(const QString &path, const QByteArray &data);
