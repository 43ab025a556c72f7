#include "framereader.h"

#include <QJsonDocument>
#include <QtEndian>

namespace Common {

const QByteArray FrameReader::endMarker = QByteArrayLiteral("#ENDMSG");

namespace {

constexpr int headerSize = 4;
constexpr char zlibDeflate = 0x78; // first byte of a zlib stream with a 32 KiB window

} // namespace

FrameReader::FrameReader(qint64 maxFrameSize)
    : m_maxFrameSize(maxFrameSize)
{
}

void FrameReader::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

void FrameReader::clear()
{
    m_buffer.clear();
    m_pos = 0;
    m_scanned = 0;
    m_error.clear();
}

FrameReader::Status FrameReader::fail(const QString &error)
{
    m_error = error;
    return Status::Error;
}

void FrameReader::consume(qint64 bytes)
{
    m_pos += bytes;
    m_scanned = 0;
    // Compact once the consumed head outweighs the rest, so a burst stays linear.
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    } else if (m_pos > 64 * 1024 && m_pos * 2 > m_buffer.size()) {
        m_buffer.remove(0, int(m_pos));
        m_pos = 0;
    }
}

FrameReader::Status FrameReader::next(Frame *frame)
{
    if (!m_error.isEmpty())
        return Status::Error;
    if (bufferedBytes() <= headerSize)
        return Status::NeedMore;
    const char *head = m_buffer.constData() + m_pos;
    const qint64 length = qFromBigEndian<qint32>(head);
    const char kind = head[headerSize];
    if (kind == '{')
        return takeJson(length, frame);
    if (kind == zlibDeflate)
        return takeText(length, frame);
    return fail(QStringLiteral("Unknown frame: header %1, first byte 0x%2")
                    .arg(length)
                    .arg(quint8(kind), 2, 16, QLatin1Char('0')));
}

FrameReader::Status FrameReader::takeJson(qint64 length, Frame *frame)
{
    if (length <= 0 || length > m_maxFrameSize)
        return fail(QStringLiteral("JSON frame length %1 is out of range").arg(length));
    if (bufferedBytes() < headerSize + length)
        return Status::NeedMore;
    const QByteArray text = m_buffer.mid(int(m_pos + headerSize), int(length));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return fail(QStringLiteral("JSON frame does not hold an object: %1").arg(error.errorString()));
    consume(headerSize + length);
    frame->kind = Kind::Json;
    frame->json = document.object();
    frame->raw = text;
    return Status::Frame;
}

FrameReader::Status FrameReader::takeText(qint64 declaredSize, Frame *frame)
{
    if (declaredSize <= 0 || declaredSize > m_maxFrameSize)
        return fail(QStringLiteral("Text frame size %1 is out of range").arg(declaredSize));
    const qint64 begin = m_pos + headerSize;
    const qint64 from = qMax(begin, m_scanned);
    const qint64 end = m_buffer.indexOf(endMarker, int(from));
    if (end < 0) {
        const qint64 buffered = m_buffer.size() - m_pos;
        if (buffered > m_maxFrameSize + headerSize + endMarker.size())
            return fail(QStringLiteral("Text frame exceeds %1 bytes without an end").arg(m_maxFrameSize));
        // The marker may straddle the next read: resume just before the tail.
        m_scanned = qMax(begin, qint64(m_buffer.size()) - endMarker.size() + 1);
        return Status::NeedMore;
    }
    const QByteArray compressed = m_buffer.mid(int(m_pos), int(end - m_pos));
    const QByteArray text = qUncompress(compressed);
    if (text.size() != declaredSize)
        return fail(QStringLiteral("Text frame does not decompress to its declared %1 bytes").arg(declaredSize));
    consume(end - m_pos + endMarker.size());
    frame->kind = Kind::Text;
    frame->json = QJsonObject();
    frame->raw = text;
    return Status::Frame;
}

} // namespace Common
