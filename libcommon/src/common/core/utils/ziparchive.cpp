#include "ziparchive.h"

#include <sys/stat.h>
#include <zip.h>
#include <zlib.h>

namespace Common {

namespace {

constexpr qint64 chunkSize = 64 * 1024;

QFile::Permissions permissionsOf(quint32 mode)
{
    static const struct
    {
        quint32 bit;
        QFile::Permissions permissions;
    } bits[] = {
        {S_IRUSR, QFile::ReadOwner | QFile::ReadUser}, {S_IWUSR, QFile::WriteOwner | QFile::WriteUser},
        {S_IXUSR, QFile::ExeOwner | QFile::ExeUser},   {S_IRGRP, QFile::ReadGroup},
        {S_IWGRP, QFile::WriteGroup},                  {S_IXGRP, QFile::ExeGroup},
        {S_IROTH, QFile::ReadOther},                   {S_IWOTH, QFile::WriteOther},
        {S_IXOTH, QFile::ExeOther},
    };
    QFile::Permissions permissions;
    for (const auto &entry : bits) {
        if (mode & entry.bit)
            permissions |= entry.permissions;
    }
    return permissions;
}

QString libzipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

ZipArchive::ZipArchive() = default;

ZipArchive::~ZipArchive()
{
    if (m_archive)
        zip_discard(m_archive);
}

bool ZipArchive::fail(const QString &error)
{
    m_error = error;
    return false;
}

bool ZipArchive::open(const QString &path, const ZipLimits &limits)
{
    if (m_archive) {
        zip_discard(m_archive);
        m_archive = nullptr;
    }
    m_entries.clear();
    int code = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!m_archive)
        return fail(QStringLiteral("not a readable zip archive: %1").arg(libzipError(code)));
    if (readEntries(limits))
        return true;
    m_entries.clear();
    return false;
}

bool ZipArchive::readEntries(const ZipLimits &limits)
{
    const zip_int64_t count = zip_get_num_entries(m_archive, 0);
    if (count < 0 || count > limits.maxEntries)
        return fail(QStringLiteral("the archive has %1 entries, more than %2").arg(count).arg(limits.maxEntries));
    m_entries.reserve(int(count));
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        const zip_uint64_t need = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_CRC;
        if (zip_stat_index(m_archive, zip_uint64_t(i), 0, &stat) != 0 || (stat.valid & need) != need)
            return fail(QStringLiteral("entry %1 cannot be read: %2").arg(i).arg(zip_strerror(m_archive)));
        Entry entry;
        entry.index = zip_uint64_t(i);
        entry.name = QString::fromUtf8(stat.name);
        entry.crc = stat.crc;
        if (stat.size > zip_uint64_t(limits.maxEntrySize) || stat.comp_size > zip_uint64_t(limits.maxEntrySize))
            return fail(QStringLiteral("entry %1 declares %2 bytes, more than %3")
                            .arg(entry.name).arg(stat.size).arg(limits.maxEntrySize));
        entry.size = qint64(stat.size);
        entry.compressedSize = qint64(stat.comp_size);
        if (entry.size > limits.ratioFloor && entry.size > limits.maxRatio * qMax<qint64>(1, entry.compressedSize))
            return fail(QStringLiteral("entry %1 declares %2 bytes from %3 compressed ones, a ratio over %4")
                            .arg(entry.name).arg(entry.size).arg(entry.compressedSize).arg(limits.maxRatio));
        total += entry.size;
        if (total > limits.maxTotalSize)
            return fail(QStringLiteral("the entries declare more than %1 bytes").arg(limits.maxTotalSize));
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(m_archive, entry.index, 0, &system, &attributes);
        const quint32 mode = system == ZIP_OPSYS_UNIX ? attributes >> 16 : 0;
        entry.isDir = entry.name.endsWith(QLatin1Char('/')) || entry.name.endsWith(QLatin1Char('\\'))
                   || S_ISDIR(mode);
        entry.isSymLink = !entry.isDir && S_ISLNK(mode);
        entry.permissions = permissionsOf(mode);
        m_entries.append(entry);
    }
    return true;
}

bool ZipArchive::read(const Entry &entry, const Sink &sink)
{
    zip_file_t *file = zip_fopen_index(m_archive, entry.index, 0);
    if (!file)
        return fail(QStringLiteral("entry %1 cannot be opened: %2").arg(entry.name, zip_strerror(m_archive)));
    QByteArray buffer(int(qMin(chunkSize, entry.size + 1)), Qt::Uninitialized);
    qint64 done = 0;
    uLong crc = crc32(0, nullptr, 0);
    QString error;
    for (;;) {
        // One byte more than is left, to notice data past the declared size.
        const qint64 wanted = qMin<qint64>(buffer.size(), entry.size - done + 1);
        const zip_int64_t got = zip_fread(file, buffer.data(), zip_uint64_t(wanted));
        if (got < 0) {
            error = QStringLiteral("entry %1 is damaged: %2").arg(entry.name, zip_file_strerror(file));
            break;
        }
        if (got == 0)
            break;
        done += got;
        if (done > entry.size) {
            error = QStringLiteral("entry %1 holds more than its declared %2 bytes").arg(entry.name).arg(entry.size);
            break;
        }
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buffer.constData()), uInt(got));
        if (!sink(buffer.constData(), got)) {
            error = QStringLiteral("entry %1 could not be stored").arg(entry.name);
            break;
        }
    }
    zip_fclose(file);
    if (error.isEmpty() && done != entry.size)
        error = QStringLiteral("entry %1 ends after %2 of its declared %3 bytes").arg(entry.name).arg(done).arg(entry.size);
    if (error.isEmpty() && quint32(crc) != entry.crc)
        error = QStringLiteral("entry %1 fails its CRC check").arg(entry.name);
    return error.isEmpty() || fail(error);
}

} // namespace Common
