#pragma once

#include "xlsx/package.h"
#include "xlsx/partstream.h"

#include <QByteArray>

#include <functional>

namespace Xlsx {

// Copies pieces of a part's original text into the text that replaces it. The part is read again
// from its start, once: pieces are asked for in the order they stand, and a piece behind what was
// read already is refused (its caller writes it anew).
class PartCopier
{
public:
    using Sink = std::function<void(const char *data, qint64 size)>;

    explicit PartCopier(const Package::Part &part);

    qint64 position() const { return m_position; }
    // Hands the bytes [from, to) to sink, in pieces; false when from lies behind the position or
    // the part ends before to.
    bool copy(qint64 from, qint64 to, const Sink &sink);
    bool append(qint64 from, qint64 to, QByteArray &out);
    // Passes over the bytes up to to.
    bool skipTo(qint64 to);
    // Hands what is left of the part to sink.
    bool copyRest(const Sink &sink);

private:
    // The bytes in hand, read on when there are none; false at the end of the part.
    bool fill();

    PartStream m_stream;
    QByteArray m_buffer;
    int m_at = 0;  // next byte of the buffer
    int m_end = 0; // end of the bytes in the buffer
    qint64 m_position = 0;
    bool m_ended = false;
};

} // namespace Xlsx
