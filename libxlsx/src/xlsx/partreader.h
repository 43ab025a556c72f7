#pragma once

#include <QLatin1String>
#include <QString>
#include <QXmlStreamReader>

namespace Xlsx {

// What the reading of every part shares: the root element checked, errors told with their
// line, and the text of string items.
class PartReader
{
public:
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
