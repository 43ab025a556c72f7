#include "xlsx/package.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace Xlsx {

namespace {

// What an archive may declare before anything is decompressed. Parts read whole are a few MiB at
// most; the bounds leave a wide margin above them and keep what an open workbook holds,
// compressed or not, to a few hundred MiB. Worksheets are read as they are decompressed and hold
// only what their cells take (which the document bounds): only their compressed data count, and
// they may declare up to 2 GiB.
constexpr zip_uint64_t maxPartSize = zip_uint64_t(256) << 20;
constexpr zip_uint64_t maxTotalSize = zip_uint64_t(384) << 20;
constexpr zip_uint64_t maxStreamedPartSize = zip_uint64_t(2) << 30;
constexpr zip_int64_t maxParts = 65535;
// Uncompressed to compressed size of parts larger than ratioFloor.
constexpr zip_uint64_t maxRatio = 200;
constexpr zip_uint64_t ratioFloor = zip_uint64_t(1) << 20;

struct ArchiveCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

QString libzipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// The declared sizes of an entry against the limits; the total grows by what it holds.
QString checkDeclared(const zip_stat_t &stat, zip_uint64_t *total)
{
    const QString name = QString::fromUtf8(stat.name);
    const bool streamed = Package::isStreamed(name);
    const zip_uint64_t bound = streamed ? maxStreamedPartSize : maxPartSize;
    if (stat.size > bound || stat.comp_size > maxPartSize)
        return QStringLiteral("the archive entry %1 declares %2 bytes, more than %3").arg(name).arg(stat.size).arg(bound);
    if (stat.size > ratioFloor && stat.size / maxRatio > stat.comp_size)
        return QStringLiteral("the archive entry %1 declares %2 bytes from %3 compressed ones")
            .arg(name).arg(stat.size).arg(stat.comp_size);
    *total += streamed ? stat.comp_size : std::max(stat.size, stat.comp_size);
    if (*total > maxTotalSize)
        return QStringLiteral("the archive entries declare more than %1 bytes").arg(maxTotalSize);
    return QString();
}

QString damaged(const QString &name)
{
    return QStringLiteral("the archive entry %1 is damaged").arg(name);
}

// Reads exactly size bytes of an open entry; false when it holds fewer or more.
bool readExactly(zip_file_t *file, char *data, zip_uint64_t size)
{
    char extra;
    zip_uint64_t done = 0;
    zip_int64_t got = 0;
    while (done < size && (got = zip_fread(file, data + done, size - done)) > 0)
        done += zip_uint64_t(got);
    const bool whole = got >= 0 && done == size && zip_fread(file, &extra, 1) == 0;
    zip_fclose(file);
    return whole;
}

// Reads an entry into a part. Deflated data is kept as it is stored, to be decompressed when the
// part is read and copied unchanged when it is not; other entries are decompressed whole, never
// past their declared size.
bool readEntry(zip_t *archive, const zip_stat_t &stat, Package::Part *part)
{
    const bool encrypted = (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
    part->deflated = stat.comp_method == ZIP_CM_DEFLATE && !encrypted;
    const zip_uint64_t size = part->deflated ? stat.comp_size : stat.size;
    zip_file_t *file = zip_fopen_index(archive, stat.index, part->deflated ? ZIP_FL_COMPRESSED : 0);
    if (!file)
        return false;
    part->data.resize(int(size));
    if (!readExactly(file, part->data.data(), size))
        return false;
    part->crc = stat.crc;
    part->size = qint64(stat.size);
    return part->deflated
        || ::crc32(0, reinterpret_cast<const Bytef *>(part->data.constData()), uInt(part->data.size())) == stat.crc;
}

// Decompresses a deflated part into bytes, or only checks it when bytes is null: false when it
// yields more or fewer bytes than its size, or fails its CRC.
bool inflatePart(const Package::Part &part, QByteArray *bytes)
{
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK)
        return false;
    if (bytes)
        bytes->resize(int(part.size));
    char scratch[65536];
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(part.data.constData()));
    stream.avail_in = uInt(part.data.size());
    uLong crc = ::crc32(0, nullptr, 0);
    qint64 done = 0;
    int result = Z_OK;
    while (result == Z_OK && done <= part.size) {
        // Into the bytes while they have room; anything past the size lands in scratch and fails.
        const bool direct = bytes && done < part.size;
        char *to = direct ? bytes->data() + done : scratch;
        stream.next_out = reinterpret_cast<Bytef *>(to);
        stream.avail_out = uInt(direct ? part.size - done : qint64(sizeof scratch));
        result = inflate(&stream, Z_NO_FLUSH);
        const uInt got = uInt(reinterpret_cast<char *>(stream.next_out) - to);
        crc = ::crc32(crc, reinterpret_cast<const Bytef *>(to), got);
        done += got;
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END && done == part.size && crc == part.crc;
}

// A source of raw deflate data that libzip copies as it is, its sizes and CRC known beforehand.
struct DeflatedSource
{
    const Package::Part *part;
    qint64 offset = 0;
    zip_error_t error;
};

zip_int64_t readDeflated(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *source = static_cast<DeflatedSource *>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        source->offset = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const qint64 n = qMin<qint64>(qint64(length), source->part->data.size() - source->offset);
        memcpy(data, source->part->data.constData() + source->offset, size_t(n));
        source->offset += n;
        return n;
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        stat->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
        stat->size = zip_uint64_t(source->part->size);
        stat->comp_size = zip_uint64_t(source->part->data.size());
        stat->comp_method = ZIP_CM_DEFLATE;
        stat->crc = source->part->crc;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&source->error);
        delete source;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

zip_source_t *deflatedSource(zip_t *archive, const Package::Part *part)
{
    auto *state = new DeflatedSource{part, 0, {}};
    zip_error_init(&state->error);
    zip_source_t *source = zip_source_function(archive, readDeflated, state);
    if (!source) {
        zip_error_fini(&state->error);
        delete state;
    }
    return source;
}

} // namespace

bool Package::open(const QString &fileName, QString *error)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QStringLiteral("the file does not exist");
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        *error = QStringLiteral("the file cannot be read");
        return false;
    }
    int code = 0;
    Archive archive(zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!archive) {
        *error = QStringLiteral("the file is not a zip archive (%1)").arg(libzipError(code));
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count <= 0 || count > maxParts) {
        *error = count <= 0 ? QStringLiteral("the file is not a zip archive (it has no entries)")
                            : QStringLiteral("the archive has %1 entries, more than %2").arg(count).arg(maxParts);
        return false;
    }
    const zip_uint64_t need =
        ZIP_STAT_INDEX | ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
    std::vector<zip_stat_t> entries;
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) != 0 || (stat.valid & need) != need) {
            *error = QStringLiteral("the archive entry %1 cannot be read").arg(i);
            return false;
        }
        *error = checkDeclared(stat, &total);
        if (!error->isEmpty())
            return false;
        if (!QByteArray(stat.name).endsWith('/'))
            entries.push_back(stat);
    }
    // Part names are compared without regard to case: two that differ in case alone would leave it
    // open which one the workbook means.
    QHash<QString, QString> names;
    for (const zip_stat_t &stat : entries) {
        const QString name = QString::fromUtf8(stat.name);
        const QString taken = names.value(name.toLower());
        if (!taken.isNull()) {
            *error = QStringLiteral("the archive holds the parts %1 and %2, whose names differ in case alone")
                         .arg(taken, name);
            return false;
        }
        names.insert(name.toLower(), name);
    }
    Parts parts;
    parts.reserve(int(entries.size()));
    for (const zip_stat_t &stat : entries) {
        Part part;
        part.name = QString::fromUtf8(stat.name);
        if (!readEntry(archive.get(), stat, &part)) {
            *error = damaged(part.name);
            return false;
        }
        parts.append(part);
    }
    setParts(parts);
    for (int i = 0; i < m_parts.size(); ++i) {
        if (m_parts[i].deflated)
            m_unchecked.insert(i);
    }
    return true;
}

bool Package::checkUnread(QString *error)
{
    for (int index : qAsConst(m_unchecked)) {
        if (!inflatePart(m_parts[index], nullptr)) {
            *error = damaged(m_parts[index].name);
            return false;
        }
    }
    m_unchecked.clear();
    return true;
}

void Package::setParts(const Parts &parts)
{
    m_parts = parts;
    m_unchecked.clear();
    m_index.clear();
    for (int i = 0; i < m_parts.size(); ++i)
        m_index.insert(m_parts[i].name.toLower(), i);
}

bool Package::isStreamed(const QString &name)
{
    return name.contains(QLatin1String("worksheets/"), Qt::CaseInsensitive)
        && name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

const Package::Part *Package::part(const QString &name) const
{
    const int index = m_index.value(name.toLower(), -1);
    return index < 0 ? nullptr : &m_parts[index];
}

void Package::markChecked(const QString &name)
{
    m_unchecked.remove(m_index.value(name.toLower(), -1));
}

QString Package::find(const QString &name) const
{
    const int index = m_index.value(name.toLower(), -1);
    return index < 0 ? QString() : m_parts[index].name;
}

bool Package::read(const QString &name, QByteArray *bytes, QString *error)
{
    const int index = m_index.value(name.toLower(), -1);
    if (index < 0) {
        *error = QStringLiteral("the part %1 is missing").arg(name);
        return false;
    }
    const Part &part = m_parts[index];
    // A part the archive may declare larger, since it is meant to be streamed, is read whole
    // within the bounds of the others.
    if (isStreamed(part.name)) {
        m_streamedReadWhole += part.size;
        if (zip_uint64_t(part.size) > maxPartSize || zip_uint64_t(m_streamedReadWhole) > maxTotalSize) {
            *error = QStringLiteral("the part %1 is too large to be read whole").arg(part.name);
            return false;
        }
    }
    if (!part.deflated) {
        *bytes = part.data;
        return true;
    }
    if (!inflatePart(part, bytes)) {
        bytes->clear();
        *error = damaged(part.name);
        return false;
    }
    m_unchecked.remove(index);
    return true;
}

bool Package::write(const QString &fileName, const Parts &parts, QString *error)
{
    // libzip writes into a temporary file beside the target and renames it when all went well.
    int code = 0;
    Archive archive(zip_open(QFile::encodeName(fileName).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code));
    if (!archive) {
        *error = QStringLiteral("the file cannot be written (%1)").arg(libzipError(code));
        return false;
    }
    for (const Part &part : parts) {
        zip_source_t *source = part.deflated ? deflatedSource(archive.get(), &part)
                                             : zip_source_buffer(archive.get(), part.data.constData(),
                                                                 zip_uint64_t(part.data.size()), 0);
        const zip_int64_t index = source ? zip_file_add(archive.get(), part.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8)
                                         : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            *error = QStringLiteral("the archive could not be built: %1").arg(zip_strerror(archive.get()));
            return false;
        }
        if (!part.deflated)
            zip_set_file_compression(archive.get(), zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
    }
    if (zip_close(archive.get()) != 0) {
        *error = QStringLiteral("the file cannot be written: %1").arg(zip_strerror(archive.get()));
        return false;
    }
    archive.release();
    return true;
}

} // namespace Xlsx
