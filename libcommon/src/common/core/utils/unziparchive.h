#pragma once

#include <QString>

// Unpacks the zip archive at archivePath below destinationDir, creating missing folders. Every
// entry is checked first: a path that would leave the folder (absolute, with a drive, or
// climbing out with ".."), declared sizes past the limits of ZipArchive, or data that fails its
// size or CRC refuses the whole archive before anything is written. Entries are streamed, never
// held whole. Symbolic links are skipped. True when every entry was unpacked.
bool unzipArchive(const QString &archivePath, const QString &destinationDir);
