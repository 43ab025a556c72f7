#include "xlsx/partstream.h"

#include "xlsx/xmltext.h"

#include <zlib.h>

#include <cstring>

namespace Xlsx {

struct PartStream::Inflater
{
    z_stream stream{};
    bool open = false;
    bool ended = false;
    uLong crc = ::crc32(0, nullptr, 0);
    ~Inflater()
    {
        if (open)
            inflateEnd(&stream);
    }
};

PartStream::PartStream(const Package::Part &part)
    : m_data(part.data)
    , m_deflated(part.deflated)
    , m_crc(part.crc)
    , m_size(part.deflated ? part.size : part.data.size())
{
    if (!m_deflated)
        return;
    m_inflater = std::make_unique<Inflater>();
    m_inflater->open = inflateInit2(&m_inflater->stream, -15) == Z_OK;
    m_failed = !m_inflater->open;
    m_inflater->stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(m_data.constData()));
    m_inflater->stream.avail_in = uInt(m_data.size());
}

PartStream::~PartStream() = default;

bool PartStream::utf8Part(const Package::Part &part, Package::Part *utf8, QString *error)
{
    char head[2] = {0, 0};
    PartStream stream(part);
    const bool utf16 = stream.read(head, 2) == 2
        && ((head[0] == '\xFF' && head[1] == '\xFE') || (head[0] == '\xFE' && head[1] == '\xFF'));
    if (!utf16) {
        *utf8 = part;
        return true;
    }
    const qint64 size = part.deflated ? part.size : part.data.size();
    if (size > (qint64(256) << 20)) {
        *error = QStringLiteral("the part %1 is written in UTF-16 and too large to be converted").arg(part.name);
        return false;
    }
    QByteArray bytes(int(size), Qt::Uninitialized);
    PartStream whole(part);
    qint64 got = 0;
    for (qint64 step; got < bytes.size() && (step = whole.read(bytes.data() + got, bytes.size() - got)) > 0;)
        got += step;
    if (got != bytes.size() || !whole.checkRest()) {
        *error = QStringLiteral("the archive entry %1 is damaged").arg(part.name);
        return false;
    }
    utf8->name = part.name;
    utf8->data = XmlText::encode(XmlText::decode(bytes));
    utf8->deflated = false;
    utf8->crc = 0;
    utf8->size = utf8->data.size();
    return true;
}

qint64 PartStream::read(char *data, qint64 size)
{
    if (m_failed)
        return -1;
    if (!m_deflated) {
        // Stored parts were checked whole when the archive was opened.
        const qint64 n = qMin(size, m_size - m_position);
        memcpy(data, m_data.constData() + m_position, size_t(n));
        m_position += n;
        return n;
    }
    const qint64 n = inflateInto(data, size);
    if (n < 0)
        m_failed = true;
    return n;
}

bool PartStream::checkRest()
{
    char scratch[65536];
    qint64 n;
    while ((n = read(scratch, sizeof scratch)) > 0) {
    }
    return n == 0;
}

qint64 PartStream::inflateInto(char *data, qint64 size)
{
    Inflater &z = *m_inflater;
    if (z.ended || size <= 0)
        return 0;
    z.stream.next_out = reinterpret_cast<Bytef *>(data);
    z.stream.avail_out = uInt(qMin<qint64>(size, 1 << 30));
    int result = Z_OK;
    while (result == Z_OK && z.stream.avail_out > 0)
        result = inflate(&z.stream, Z_NO_FLUSH);
    const qint64 got = qint64(reinterpret_cast<char *>(z.stream.next_out) - data);
    z.crc = ::crc32(z.crc, reinterpret_cast<const Bytef *>(data), uInt(got));
    m_position += got;
    if (m_position > m_size)
        return -1;
    if (result == Z_STREAM_END) {
        z.ended = true;
        if (m_position != m_size || z.crc != m_crc)
            return -1;
    } else if (result != Z_OK && !(result == Z_BUF_ERROR && z.stream.avail_out == 0)) {
        return -1; // damaged, or the data end before the stream does
    }
    return got;
}

} // namespace Xlsx
