// Fuzz target: arbitrary bytes as an update package for zip extraction. Whatever the archive
// holds, nothing may be written outside the destination folder.
#include "common/core/utils/unziparchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir sandbox(QDir::tempPath() + QStringLiteral("/fuzz_unzip-XXXXXX"));
    const QString archive = sandbox.filePath(QStringLiteral("archive.zip"));
    const QString folder = sandbox.filePath(QStringLiteral("inside"));
    const QString destination = folder + QStringLiteral("/dest");
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        abort();
    file.close();
    QDir().mkpath(destination);

    unzipArchive(archive, destination);

    // Only the destination may have appeared beside it, and nothing beside the sandbox's own files.
    if (QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            != QStringList{QStringLiteral("dest")}
        || QDir(sandbox.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
               != (QStringList{QStringLiteral("archive.zip"), QStringLiteral("inside")}))
        abort();
    QDir(destination).removeRecursively();
    return 0;
}
