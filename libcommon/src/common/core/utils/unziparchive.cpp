#include "unziparchive.h"

#include "zipentrynames.h"

#include "common/core/exception/location.h"
#include "common/core/logger/logger.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QVector>
#include <private/qzipreader_p.h>

#include <zlib.h>

namespace {

struct Entry
{
    QString name;         // as stored, the key of the reader's data
    QString relativePath; // below the destination folder, "." for the folder itself
    bool isDir = false;
    bool isSymLink = false;
    QFile::Permissions permissions;
    quint32 crc = 0;
    qint64 size = 0;
};

bool refuse(const QString &location, const QString &message)
{
    Logger::instance(0)->warning(Common::warningLine(location, message));
    return false;
}

quint32 checksum(const QByteArray &data)
{
    return quint32(::crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
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

bool readEntry(const QZipReader &reader, const Entry &entry, QByteArray *data)
{
    *data = reader.fileData(entry.name);
    return data->size() == entry.size && checksum(*data) == entry.crc;
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
    QStringList names;
    const QZipReader reader(archivePath);
    if (!Common::readZipEntryNames(archivePath, &names) || !reader.isReadable()
        || reader.count() != names.size())
        return refuse(COMMON_LOCATION,
                      QStringLiteral("Not a readable zip archive: %1").arg(archivePath));

    QVector<Entry> entries;
    entries.reserve(names.size());
    for (int i = 0; i < names.size(); ++i) {
        const QZipReader::FileInfo info = reader.entryInfoAt(i);
        Entry entry;
        entry.name = names.at(i);
        entry.relativePath = relativePathOf(entry.name);
        entry.isDir = info.isDir || entry.name.endsWith(QLatin1Char('/'))
            || entry.name.endsWith(QLatin1Char('\\'));
        entry.isSymLink = info.isSymLink && !entry.isDir;
        entry.permissions = info.permissions;
        entry.crc = info.crc;
        entry.size = info.size;
        if (entry.relativePath.isEmpty()
            || (!entry.isDir && entry.relativePath == QLatin1String(".")))
            return refuse(COMMON_LOCATION, QStringLiteral("Zip entry leads out of the destination "
                                                          "folder: %1").arg(entry.name));
        entries.append(entry);
    }

    // Every file must read back whole before the first one is written.
    QByteArray data;
    for (const Entry &entry : qAsConst(entries)) {
        if (!entry.isDir && !entry.isSymLink && !readEntry(reader, entry, &data))
            return refuse(COMMON_LOCATION, QStringLiteral("Damaged zip entry: %1").arg(entry.name));
    }

    if (!QDir().mkpath(destinationDir))
        return refuse(COMMON_LOCATION,
                      QStringLiteral("Cannot create folder %1").arg(destinationDir));
    const QString root = QFileInfo(destinationDir).canonicalFilePath();
    for (const Entry &entry : qAsConst(entries)) {
        if (entry.isSymLink)
            continue;
        const QString target = QDir::cleanPath(root + QLatin1Char('/') + entry.relativePath);
        const QString folder = entry.isDir ? target : QFileInfo(target).path();
        if (!staysInside(root, folder) || !QDir().mkpath(folder))
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot create folder %1").arg(folder));
        if (entry.isDir)
            continue;
        if (QFileInfo(target).isSymLink())
            return refuse(COMMON_LOCATION,
                          QStringLiteral("Zip entry would write through a link: %1").arg(target));
        if (!readEntry(reader, entry, &data))
            return refuse(COMMON_LOCATION, QStringLiteral("Damaged zip entry: %1").arg(entry.name));
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
            return refuse(COMMON_LOCATION, QStringLiteral("Cannot write %1").arg(target));
        // The owner keeps the right to read and replace what was unpacked.
        QFile::setPermissions(target, entry.permissions | QFile::ReadOwner | QFile::WriteOwner
                                          | QFile::ReadUser | QFile::WriteUser);
    }
    return true;
}
