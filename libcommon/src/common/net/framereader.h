#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace Common {

// Cuts a received byte stream into frames of the two kinds:
//  - JSON: 4-byte big-endian length, then one compact JSON object;
//  - text: qCompress output (4-byte big-endian size, then a zlib stream), then "#ENDMSG".
// The kind is decided by the first byte after the 4-byte header ("{" or a zlib header), so
// "#ENDMSG" is only looked for inside a text frame. Sizes are bounded before anything is
// allocated, a text frame inflates into at most its declared size, and the scan for a frame end
// resumes where it stopped. Text frames without text (qCompress of an empty text) are skipped.
class FrameReader
{
public:
    enum class Status { NeedMore, Frame, Error };
    enum class Kind { Json, Text };

    struct Frame
    {
        Kind kind = Kind::Json;
        QJsonObject json;  // a JSON frame's object
        QByteArray raw;    // a JSON frame's text, or a text frame's uncompressed UTF-8 bytes
    };

    static constexpr qint64 defaultMaxFrameSize = 64 * 1024 * 1024;
    static const QByteArray endMarker;

    explicit FrameReader(qint64 maxFrameSize = defaultMaxFrameSize);

    void append(const QByteArray &bytes);
    // Takes the next complete frame. After Error the stream is unusable: clear() it.
    Status next(Frame *frame);
    void clear();

    QString errorString() const { return m_error; }
    qint64 bufferedBytes() const { return m_buffer.size() - m_pos; }

private:
    Status fail(const QString &error);
    Status takeJson(qint64 length, Frame *frame);
    Status takeText(qint64 declaredSize, Frame *frame);
    Status takeEmptyText(Frame *frame);
    Status takeFrame(Frame *frame);
    void consume(qint64 bytes);

    qint64 m_maxFrameSize;
    QByteArray m_buffer;
    qint64 m_pos = 0;      // start of the unread frame
    qint64 m_scanned = 0;  // how far the current text frame was searched for its end
    QString m_error;
};

} // namespace Common
