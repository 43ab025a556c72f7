#include "hostilezip.h"

#include <QtEndian>

#include <zlib.h>

namespace HostileZip {

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Raw deflate of the pieces the source hands out, up to the first empty one.
template<typename Source>
QByteArray deflateRaw(Source source)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    QByteArray out;
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    QByteArray piece = source();
    int flush = Z_NO_FLUSH;
    do {
        const QByteArray next = piece.isEmpty() ? QByteArray() : source();
        flush = next.isEmpty() ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = reinterpret_cast<Bytef *>(piece.data());
        stream.avail_in = uInt(piece.size());
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
            stream.avail_out = uInt(buffer.size());
            deflate(&stream, flush);
            out.append(buffer.constData(), buffer.size() - int(stream.avail_out));
        } while (stream.avail_out == 0);
        piece = next;
    } while (flush != Z_FINISH);
    deflateEnd(&stream);
    return out;
}

} // namespace

quint32 crc(const QByteArray &data)
{
    return quint32(::crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

Entry deflated(const QByteArray &name, const QByteArray &data)
{
    Entry entry;
    entry.name = name;
    bool given = false;
    entry.data = deflateRaw([&]() {
        given = !given;
        return given ? data : QByteArray();
    });
    entry.crc = crc(data);
    entry.size = quint32(data.size());
    return entry;
}

Entry streamed(const QByteArray &name, const std::function<QByteArray()> &source)
{
    Entry entry;
    entry.name = name;
    uLong sum = ::crc32(0, nullptr, 0);
    qint64 size = 0;
    entry.data = deflateRaw([&]() {
        const QByteArray piece = source();
        sum = ::crc32(sum, reinterpret_cast<const Bytef *>(piece.constData()), uInt(piece.size()));
        size += piece.size();
        return piece;
    });
    entry.crc = quint32(sum);
    entry.size = quint32(size);
    return entry;
}

Entry stored(const QByteArray &name, const QByteArray &data)
{
    Entry entry;
    entry.name = name;
    entry.data = data;
    entry.method = 0;
    entry.crc = crc(data);
    entry.size = quint32(data.size());
    return entry;
}

Entry zeros(const QByteArray &name, qint64 count, quint32 declaredSize, quint32 declaredCrc)
{
    Entry entry;
    entry.name = name;
    static const QByteArray zeroes(1 << 20, '\0');
    qint64 left = count;
    entry.data = deflateRaw([&left]() {
        const QByteArray piece = zeroes.left(int(qMin<qint64>(left, zeroes.size())));
        left -= piece.size();
        return piece;
    });
    entry.crc = declaredCrc;
    entry.size = declaredSize;
    return entry;
}

QByteArray archive(const QList<Entry> &entries)
{
    QByteArray out;
    QByteArray directory;
    for (const Entry &entry : entries) {
        const quint32 offset = quint32(out.size());
        auto header = [&entry](QByteArray &to) {
            put16(to, 20);          // version needed
            put16(to, 0x0800);      // UTF-8 names
            put16(to, entry.method);
            put16(to, 0);           // time
            put16(to, 0x5821);      // date: 2024-01-01
            put32(to, entry.crc);
            put32(to, quint32(entry.data.size()));
            put32(to, entry.size);
            put16(to, quint16(entry.name.size()));
            put16(to, 0);           // extra field
        };
        put32(out, 0x04034b50);
        header(out);
        out += entry.name;
        out += entry.data;

        put32(directory, 0x02014b50);
        put16(directory, 0x0314);   // made by Unix, version 2.0
        header(directory);
        put16(directory, 0);        // comment
        put16(directory, 0);        // disk
        put16(directory, 0);        // internal attributes
        put32(directory, entry.mode << 16);
        put32(directory, offset);
        directory += entry.name;
    }
    const quint32 directoryOffset = quint32(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(entries.size()));
    put16(out, quint16(entries.size()));
    put32(out, quint32(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

} // namespace HostileZip
