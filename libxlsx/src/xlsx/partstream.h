#pragma once

#include "xlsx/package.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace Xlsx {

// Reads a part's bytes a piece at a time, decompressing a deflated part as it goes, so that the
// part is never held whole. Its end is checked against the part's size and CRC.
class PartStream
{
public:
    explicit PartStream(const Package::Part &part);
    ~PartStream();
    PartStream(const PartStream &) = delete;
    PartStream &operator=(const PartStream &) = delete;

    // The part as UTF-8 into utf8: the part itself, or, for a part written in UTF-16 (which no
    // spreadsheet program writes), the part converted whole, its declaration saying so.
    static bool utf8Part(const Package::Part &part, Package::Part *utf8, QString *error);

    // Up to size bytes into data: how many were read, 0 at the end of the part, -1 when the part
    // is damaged (its data end short, run past its size or fail its CRC).
    qint64 read(char *data, qint64 size);
    // How many bytes were read so far.
    qint64 position() const { return m_position; }
    bool failed() const { return m_failed; }
    // Reads the rest of the part, to tell whether it is whole; false when it is damaged.
    bool checkRest();

private:
    qint64 inflateInto(char *data, qint64 size);

    QByteArray m_data; // the part's data, shared
    bool m_deflated;
    quint32 m_crc;
    qint64 m_size;
    struct Inflater;
    std::unique_ptr<Inflater> m_inflater;
    qint64 m_position = 0;
    bool m_failed = false;
};

} // namespace Xlsx
