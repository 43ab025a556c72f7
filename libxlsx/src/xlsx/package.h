#pragma once

#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>
#include <QVector>

#include <memory>

namespace Xlsx {

// The zip container of a workbook: its parts in their original order, checked, and written back
// atomically. Deflated parts are held as they are stored and decompressed only when read, whole
// or as a stream: those never read are copied into the saved file as they stand.
class Package
{
public:
    // One part: its bytes, or, for a part read deflated or compressed while it was written, its
    // raw deflate data with the CRC-32 and size of the bytes.
    struct Part
    {
        QString name;
        QByteArray data;
        bool deflated = false;
        quint32 crc = 0;
        qint64 size = 0;
    };
    using Parts = QVector<Part>;

    bool open(const QString &fileName, QString *error);
    void setParts(const Parts &parts);

    // Parts that are read as they are decompressed, never whole (worksheets): bounded by what
    // they hold compressed, not by what they declare.
    static bool isStreamed(const QString &name);
    // The stored name of a part, matched without regard to case; empty when absent.
    QString find(const QString &name) const;
    // The part of that name (without regard to case), null when absent.
    const Part *part(const QString &name) const;
    // A part read through to its end without damage need not be checked again.
    void markChecked(const QString &name);
    bool contains(const QString &name) const { return !find(name).isEmpty(); }
    // The bytes of a part, decompressed; false with the error when it is missing or damaged.
    bool read(const QString &name, QByteArray *bytes, QString *error);
    // Checks the deflated parts not read since opening; false with the error at a damaged one.
    bool checkUnread(QString *error);
    const Parts &parts() const { return m_parts; }

    // Writes the parts into a temporary file and renames it over fileName when all went well.
    static bool write(const QString &fileName, const Parts &parts, QString *error);

private:
    Parts m_parts;
    QHash<QString, int> m_index; // lower-case name -> position
    QSet<int> m_unchecked;       // deflated parts whose data has not been decompressed yet
    qint64 m_streamedReadWhole = 0; // of parts meant to be streamed
};

} // namespace Xlsx
