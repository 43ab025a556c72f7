#include "framereader.h"

#include "common/core/utils/jsontext.h"

#include <QJsonDocument>
#include <QtEndian>

#include <zlib.h>

namespace Common {

const QByteArray FrameReader::endMarker = QByteArrayLiteral("#ENDMSG");

namespace {

constexpr int headerSize = 4;
constexpr char zlibDeflate = 0x78; // first byte of a zlib stream with a 32 KiB window

// Inflates a zlib stream into exactly declaredSize bytes: false when it is damaged, ends short
// or would give more. The output grows with the data, never past the declared size.
bool inflateBounded(const char *data, qint64 size, qint64 declaredSize, QByteArray *out)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = uInt(size);
    out->resize(int(qMin(declaredSize, 4 * size + 1024)));
    qint64 done = 0;
    int result = Z_OK;
    while (result == Z_OK) {
        if (done == out->size()) {
            if (done == declaredSize)
                break;
            out->resize(int(qMin(declaredSize, 2 * done)));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out->data() + done);
        stream.avail_out = uInt(out->size() - done);
        result = inflate(&stream, Z_NO_FLUSH);
        done = qint64(stream.total_out);
    }
    // A stream that fills the declared size must end there, with nothing after it.
    if (result == Z_OK && done == declaredSize) {
        char extra;
        stream.next_out = reinterpret_cast<Bytef *>(&extra);
        stream.avail_out = 1;
        result = inflate(&stream, Z_NO_FLUSH);
        done = qint64(stream.total_out);
    }
    const bool whole = result == Z_STREAM_END && done == declaredSize && stream.avail_in == 0;
    inflateEnd(&stream);
    return whole;
}

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
    for (;;) {
        const Status status = takeFrame(frame);
        if (status != Status::Frame || frame->kind == Kind::Json || !frame->raw.isEmpty())
            return status;
    }
}

FrameReader::Status FrameReader::takeFrame(Frame *frame)
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
    if (length == 0 && kind == endMarker.at(0))
        return takeEmptyText(frame);
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
    QString error;
    const QJsonDocument document = readJson(text, &error);
    if (!document.isObject()) {
        return fail(QStringLiteral("JSON frame does not hold an object: %1")
                        .arg(error.isEmpty() ? QStringLiteral("not an object") : error));
    }
    consume(headerSize + length);
    frame->kind = Kind::Json;
    frame->json = document.object();
    frame->raw = text;
    return Status::Frame;
}

FrameReader::Status FrameReader::takeEmptyText(Frame *frame)
{
    // qCompress of an empty text is its 4-byte size alone: a text frame without messages.
    const int available = int(qMin<qint64>(bufferedBytes() - headerSize, endMarker.size()));
    if (QByteArray::fromRawData(m_buffer.constData() + m_pos + headerSize, available) != endMarker.left(available))
        return fail(QStringLiteral("Unknown frame: header 0, then no end marker"));
    if (available < endMarker.size())
        return Status::NeedMore;
    consume(headerSize + endMarker.size());
    frame->kind = Kind::Text;
    frame->json = QJsonObject();
    frame->raw.clear();
    return Status::Frame;
}

FrameReader::Status FrameReader::takeText(qint64 declaredSize, Frame *frame)
{
    if (declaredSize < 0 || declaredSize > m_maxFrameSize)
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
    QByteArray text;
    if (!inflateBounded(m_buffer.constData() + begin, end - begin, declaredSize, &text))
        return fail(QStringLiteral("Text frame does not decompress to its declared %1 bytes").arg(declaredSize));
    consume(end - m_pos + endMarker.size());
    frame->kind = Kind::Text;
    frame->json = QJsonObject();
    frame->raw = text;
    return Status::Frame;
}

} // namespace Common
