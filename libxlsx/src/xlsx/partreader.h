#pragma once

#include <QLatin1String>
#include <QString>
#include <QXmlStreamReader>

namespace Xlsx {

class XmlScanner;

// What the reading of every part shares: the root element checked, errors told with their
// line, and the text of string items; with QXmlStreamReader for parts read whole, with
// XmlScanner for parts read as they are decompressed.
class PartReader
{
public:
    // Moves the scanner onto the root element, past blanks and a byte order mark; false with
    // notThePart as the error when the root is not root.
    static bool openRoot(XmlScanner &scanner, const char *root, const QString &notThePart, QString *error);
    // From the root's end to the end of the data: false unless there is nothing but white space,
    // comments and processing instructions.
    static bool finish(XmlScanner &scanner, QString *error);
    // The text of a string item the scanner stands on, as readText below.
    static bool readText(XmlScanner &scanner, QString &text, bool *rich = nullptr);

    // Reads up to the root element; false with notThePart as the error when it is not root.
    // The root's prefix ("x:" or "") goes to prefix.
    static bool openRoot(QXmlStreamReader &reader, QLatin1String root, const QString &notThePart,
                         QString *prefix, QString *error);
    // Reads on from the root's end to the end of the text: false with the reader's error and its
    // line when the text is malformed or holds more than the root element. rootEnd, when given,
    // gets the offset of the root's end tag.
    static bool finish(QXmlStreamReader &reader, const QString &xml, int *rootEnd, QString *error);
    // Writes a self-closing root element ("<styleSheet/>") as an empty pair, so that content can
    // be inserted into it.
    static void openEmptyRoot(QString &xml);
    static QString errorText(const QXmlStreamReader &reader);
    // Appends the text of the <t> elements of a string item and its runs, phonetic runs left
    // out; rich tells whether it had runs.
    static void readText(QXmlStreamReader &reader, QString &text, bool *rich = nullptr);
    // The text of the element the reader stands on and of its child elements, up to its end
    // (QXmlStreamReader::readElementText recurses once per nesting level).
    static QString elementText(QXmlStreamReader &reader);
};

} // namespace Xlsx
