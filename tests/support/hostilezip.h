#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

// Builds zip archives byte by byte with whatever sizes and CRCs an entry declares, so that tests
// can make archives that lie about their contents.
namespace HostileZip {

struct Entry
{
    QByteArray name;
    QByteArray data;       // as stored: raw deflate data when method is 8
    quint16 method = 8;    // 0 stored, 8 deflated
    quint32 crc = 0;       // declared CRC-32
    quint32 size = 0;      // declared uncompressed size
    quint32 mode = 0100644; // Unix file mode
};

// An honest deflated entry of data.
Entry deflated(const QByteArray &name, const QByteArray &data);
// An honest deflated entry of the pieces source hands out up to the first empty one, so that a
// large entry is made without holding its data whole.
Entry streamed(const QByteArray &name, const std::function<QByteArray()> &source);
// An honest stored (uncompressed) entry of data.
Entry stored(const QByteArray &name, const QByteArray &data);
// A deflated entry of count zero bytes, compressed in pieces; it declares size and crc as given.
Entry zeros(const QByteArray &name, qint64 count, quint32 declaredSize, quint32 declaredCrc = 0);
quint32 crc(const QByteArray &data);
QByteArray archive(const QList<Entry> &entries);

} // namespace HostileZip
