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
    // False with the reader's error and its line when it has one.
    static bool finish(const QXmlStreamReader &reader, QString *error);
    static QString errorText(const QXmlStreamReader &reader);
    // Appends the text of the <t> elements of a string item and its runs, phonetic runs left
    // out; rich tells whether it had runs.
    static void readText(QXmlStreamReader &reader, QString &text, bool *rich = nullptr);
};

} // namespace Xlsx
