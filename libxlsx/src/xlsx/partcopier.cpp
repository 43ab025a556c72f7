#include "xlsx/partcopier.h"

namespace Xlsx {

PartCopier::PartCopier(const Package::Part &part)
    : m_stream(part)
{
}

bool PartCopier::fill()
{
    if (m_at < m_end)
        return true;
    if (m_ended)
        return false;
    if (m_buffer.isEmpty())
        m_buffer.resize(256 * 1024);
    const qint64 n = m_stream.read(m_buffer.data(), m_buffer.size());
    m_at = 0;
    m_end = int(qMax<qint64>(0, n));
    m_ended = n <= 0;
    return m_end > 0;
}

bool PartCopier::copy(qint64 from, qint64 to, const Sink &sink)
{
    if (from < m_position)
        return false;
    if (!skipTo(from))
        return false;
    while (m_position < to) {
        if (!fill())
            return false;
        const int n = int(qMin<qint64>(m_end - m_at, to - m_position));
        if (sink)
            sink(m_buffer.constData() + m_at, n);
        m_at += n;
        m_position += n;
    }
    return true;
}

bool PartCopier::append(qint64 from, qint64 to, QByteArray &out)
{
    return copy(from, to, [&out](const char *data, qint64 size) { out.append(data, int(size)); });
}

bool PartCopier::skipTo(qint64 to)
{
    while (m_position < to) {
        if (!fill())
            return false;
        const int n = int(qMin<qint64>(m_end - m_at, to - m_position));
        m_at += n;
        m_position += n;
    }
    return true;
}

bool PartCopier::copyRest(const Sink &sink)
{
    while (fill()) {
        sink(m_buffer.constData() + m_at, m_end - m_at);
        m_position += m_end - m_at;
        m_at = m_end;
    }
    return true;
}

} // namespace Xlsx
