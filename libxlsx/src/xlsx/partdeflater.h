#pragma once

#include "xlsx/package.h"

#include <QByteArray>

#include <deque>
#include <future>

namespace Xlsx {

// Compresses a part as it is written, so that its text is never held whole. The text is cut into
// blocks of 256 KiB, each compressed on a thread of its own with the 32 KiB before it as its
// dictionary and joined into one deflate stream: the bytes depend only on the text, and a few
// blocks are in hand at a time (some 2 MiB).
class PartDeflater
{
public:
    PartDeflater() = default;
    ~PartDeflater();
    PartDeflater(const PartDeflater &) = delete;
    PartDeflater &operator=(const PartDeflater &) = delete;

    void write(const char *data, qint64 size);
    void write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }
    // Ends the data and fills the part's data, CRC and size; false when zlib failed.
    bool finish(Package::Part *part);

private:
    struct Block
    {
        QByteArray data; // compressed
        quint32 crc = 0; // of the text
        int size = 0;
        bool ok = false;
    };

    // Starts compressing the block in hand; the last one ends the stream.
    void handOn(bool last);
    // Appends compressed blocks in order until at most keep are still pending.
    void collect(size_t keep);

    QByteArray m_block; // text not yet handed on
    QByteArray m_dictionary; // the text just before it
    std::deque<std::future<Block>> m_pending;
    QByteArray m_out;
    quint32 m_crc = 0;
    qint64 m_size = 0;
    bool m_ok = true;
};

} // namespace Xlsx
