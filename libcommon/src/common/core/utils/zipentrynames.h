#pragma once

#include <QString>
#include <QStringList>

namespace Common {

// The entry names of a zip archive exactly as its central directory stores them, in archive
// order (the zip reader tidies names, which would hide a leading "/" or "../"). False when the
// file is no complete zip archive.
bool readZipEntryNames(const QString &archivePath, QStringList *names);

} // namespace Common
