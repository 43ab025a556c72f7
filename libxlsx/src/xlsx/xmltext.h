#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace Xlsx {

// Text and number forms of the workbook's XML: escaping (control characters as _xHHHH_),
// shortest round-trip numbers, cell names and part decoding.
class XmlText
{
public:
    // Appends text as UTF-8 element content.
    static void appendText(QByteArray &out, QStringView text);
    static void appendAttribute(QByteArray &out, QStringView text);
    static QString escapedText(QStringView text);
    static QString escapedAttribute(QStringView text);
    // Leading or trailing white space needs xml:space="preserve" to survive.
    static bool needsSpacePreserve(QStringView text);
    // Appends a string item (element "si" or "is"): the text in a <t> element.
    static void appendStringItem(QByteArray &out, const QByteArray &prefix, const char *element, QStringView text);
    // Undoes the _xHHHH_ escapes of a text read from a part.
    static QString decodeEscapes(const QString &text);

    // "1" or "true", as the XML schema writes a true value.
    static bool isTrue(QStringView text);

    static void appendNumber(QByteArray &out, double value);
    static void appendInteger(QByteArray &out, qint64 value);
    static QString numberText(double value);
    static void appendCellName(QByteArray &out, int row, int column);

    // A part's bytes as text (UTF-8 or UTF-16 with a byte order mark).
    static QString decode(const QByteArray &bytes);
    // Text back to UTF-8 bytes, with the XML declaration saying so.
    static QByteArray encode(const QString &xml);
};

} // namespace Xlsx
