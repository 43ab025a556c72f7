#pragma once

#include <QFile>
#include <QString>
#include <QVector>

#include <functional>

struct zip;

namespace Common {

// What a zip archive may declare before anything of it is decompressed.
struct ZipLimits
{
    qint64 maxEntrySize = qint64(1) << 30;
    qint64 maxTotalSize = qint64(4) << 30;
    qint64 maxEntries = 65535;
    // Uncompressed to compressed size, for entries larger than ratioFloor.
    qint64 maxRatio = 200;
    qint64 ratioFloor = qint64(1) << 20;
};

// A zip archive opened for reading with libzip. Every entry's declared sizes are checked against
// limits when the archive is opened, before anything is decompressed; an entry is read as a
// stream that stops as soon as it would pass its declared size, and its size and CRC-32 are
// checked at its end.
class ZipArchive
{
public:
    struct Entry
    {
        quint64 index = 0;
        QString name; // as stored
        bool isDir = false;
        bool isSymLink = false;
        QFile::Permissions permissions;
        qint64 size = 0;
        qint64 compressedSize = 0;
        quint32 crc = 0;
    };

    // Takes the next piece of an entry's data; false stops the reading.
    using Sink = std::function<bool(const char *data, qint64 size)>;

    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // False with errorString() when the file is no readable zip archive or an entry passes a limit.
    bool open(const QString &path, const ZipLimits &limits = ZipLimits());
    const QVector<Entry> &entries() const { return m_entries; }
    // Streams the entry's data to sink; false with errorString() when the data are damaged,
    // pass the declared size or the sink refuses them.
    bool read(const Entry &entry, const Sink &sink);
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &error);
    bool readEntries(const ZipLimits &limits);

    zip *m_archive = nullptr;
    QVector<Entry> m_entries;
    QString m_error;
};

} // namespace Common
