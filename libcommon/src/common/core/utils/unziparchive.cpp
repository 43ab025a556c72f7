#include "unziparchive.h"

#include "ziparchive.h"

#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool refuse(const QString &location, const QString &message)
{
    Logger::instance(0)->warning(Common::warningLine(location, message));
    return false;
}

// The entry's path below the destination folder, or an empty text when it would lead out.
QString relativePathOf(const QString &name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QChar first = path.isEmpty() ? QChar() : path.at(0).toLower();
    const bool drive = path.size() >= 2 && path.at(1) == QLatin1Char(':')
        && first >= QLatin1Char('a') && first <= QLatin1Char('z');
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || drive)
        return QString();
    const QString cleaned = QDir::cleanPath(path);
    if (cleaned == QLatin1String("..") || cleaned.startsWith(QLatin1String("../")))
        return QString();
    return cleaned;
}

bool isInside(const QString &root, const QString &canonicalPath)
{
    if (canonicalPath.isEmpty())
        return false;
    if (canonicalPath == root || root == QLatin1String("/"))
        return true;
    return canonicalPath.startsWith(root + QLatin1Char('/'));
}

// Whether creating path keeps inside root: its deepest existing part, links resolved, is there.
bool staysInside(const QString &root, const QString &path)
{
    QString existing = path;
    for (QFileInfo info(existing); !info.exists() && !info.isSymLink(); info.setFile(existing)) {
        const QString parent = info.path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    return isInside(root, QFileInfo(existing).canonicalFilePath());
}

} // namespace

bool unzipArchive(const QString &archivePath, const QString &destinationDir)
{
    if (destinationDir.isEmpty())
        return refuse(COMMON_LOCATION,
                      QStringLiteral("No destination folder for %1").arg(archivePath));
    Common::ZipArchive archive;
    if (!archive.open(archivePath))
        return refuse(COMMON_LOCATION, QStringLiteral("Cannot unpack %1: %2").arg(archivePath, archive.errorString()));
    QStringList paths;
    for (const Common::ZipArchive::Entry &entry : archive.entries()) {
        const QString path = relativePathOf(entry.name);
        if (path.isEmpty() || (!entry.isDir && path == QLatin1String(".")))
            return refuse(COMMON_LOCATION, QStringLiteral("Zip entry leads out of the destination "
                                                          "folder: %1").arg(entry.name));
        paths.append(path);
    }

    // Every file must read back whole before the first one is written.
    const auto discard = [](const char *, qint64) { return true; };
    for (const Common::ZipArchive::Entry &entry : archive.entries()) {
        if (!entry.isDir && !entry.isSymLink && !archive.read(entry, discard))
            return refuse(COMMON_LOCATION, QStringLiteral("Damaged zip entry: %1").arg(archive.errorString()));
    }

    if (!QDir().mkpath(destinationDir))
        return refuse(COMMON_LOCATION,
                      QStringLiteral("Cannot create folder %1").arg(destinationDir));
    const QString root = QFileInfo(destinationDir).canonicalFilePath();
    for (int i = 0; i < paths.size(); ++i) {
        const Common::ZipArchive::Entry &entry = archive.entries().at(i);
        if (entry.isSymLink)
            continue;
        const QString target = QDir::cleanPath(root + QLatin1Char('/') + paths.at(i));
        const QString folder = entry.isDir ? target : QFileInfo(target).path();
        if (!staysInside(root, folder) || !QDir().mkpath(folder))
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot create folder %1").arg(folder));
        if (entry.isDir)
            continue;
        if (QFileInfo(target).isSymLink())
            return refuse(COMMON_LOCATION,
                          QStringLiteral("Zip entry would write through a link: %1").arg(target));
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly))
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot write %1").arg(target));
        const auto write = [&file](const char *data, qint64 size) { return file.write(data, size) == size; };
        if (!archive.read(entry, write))
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot unpack %1: %2").arg(target, archive.errorString()));
        if (!file.commit())
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot write %1").arg(target));
        // The owner keeps the right to read and replace what was unpacked.
        QFile::setPermissions(target, entry.permissions | QFile::ReadOwner | QFile::WriteOwner
                                          | QFile::ReadUser | QFile::WriteUser);
    }
    return true;
}
