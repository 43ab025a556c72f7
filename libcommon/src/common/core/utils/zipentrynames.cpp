#include "zipentrynames.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace Common {

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 EntrySignature = 0x02014b50;
constexpr int EndSize = 22;
constexpr int EntrySize = 46;
constexpr int MaxCommentSize = 0xffff;
constexpr quint16 Utf8NameFlag = 0x0800;

quint16 u16(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

} // namespace

bool readZipEntryNames(const QString &archivePath, QStringList *names)
{
    names->clear();
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < EndSize)
        return false;

    // The end record is the last one whose comment reaches exactly to the end of the file.
    const qint64 tailStart = qMax<qint64>(0, size - EndSize - MaxCommentSize);
    if (!file.seek(tailStart))
        return false;
    const QByteArray tail = file.read(size - tailStart);
    if (tail.size() != size - tailStart)
        return false;
    int end = -1;
    for (int at = tail.size() - EndSize; at >= 0; --at) {
        if (u32(tail, at) == EndSignature && at + EndSize + u16(tail, at + 20) == tail.size()) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return false;

    // One disk only, and no zip64 markers (the zip reader supports neither).
    const quint16 disk = u16(tail, end + 4);
    const quint16 directoryDisk = u16(tail, end + 6);
    const quint16 entriesHere = u16(tail, end + 8);
    const quint16 entries = u16(tail, end + 10);
    const quint32 directorySize = u32(tail, end + 12);
    const quint32 directoryOffset = u32(tail, end + 16);
    if (disk != 0 || directoryDisk != 0 || entriesHere != entries || entries == 0xffff
        || directoryOffset == 0xffffffffu)
        return false;
    if (qint64(directoryOffset) + directorySize > tailStart + end)
        return false;

    if (!file.seek(directoryOffset))
        return false;
    const QByteArray directory = file.read(directorySize);
    if (directory.size() != qint64(directorySize))
        return false;

    QStringList found;
    int at = 0;
    for (int i = 0; i < entries; ++i) {
        if (directory.size() - at < EntrySize || u32(directory, at) != EntrySignature)
            return false;
        const quint16 flags = u16(directory, at + 8);
        const int nameSize = u16(directory, at + 28);
        const int extraSize = u16(directory, at + 30);
        const int commentSize = u16(directory, at + 32);
        const int recordSize = EntrySize + nameSize + extraSize + commentSize;
        if (directory.size() - at < recordSize)
            return false;
        const QByteArray name = directory.mid(at + EntrySize, nameSize);
        found.append((flags & Utf8NameFlag) ? QString::fromUtf8(name)
                                            : QString::fromLocal8Bit(name));
        at += recordSize;
    }
    *names = found;
    return true;
}

} // namespace Common
