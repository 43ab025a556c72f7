#include "xlsx/partreader.h"

namespace Xlsx {

bool PartReader::openRoot(QXmlStreamReader &reader, QLatin1String root, const QString &notThePart,
                          QString *prefix, QString *error)
{
    if (!reader.readNextStartElement() || reader.name() != root) {
        *error = reader.hasError() ? reader.errorString() : notThePart;
        return false;
    }
    const QStringRef rootPrefix = reader.prefix();
    *prefix = rootPrefix.isEmpty() ? QString() : rootPrefix.toString() + QLatin1Char(':');
    return true;
}

bool PartReader::finish(const QXmlStreamReader &reader, QString *error)
{
    if (!reader.hasError())
        return true;
    *error = errorText(reader);
    return false;
}

QString PartReader::errorText(const QXmlStreamReader &reader)
{
    return QStringLiteral("%1 (line %2)").arg(reader.errorString()).arg(reader.lineNumber());
}

void PartReader::readText(QXmlStreamReader &reader, QString &text, bool *rich)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("t")) {
            text += reader.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("r")) {
            if (rich)
                *rich = true;
            readText(reader, text, rich);
        } else {
            reader.skipCurrentElement();
        }
    }
}

} // namespace Xlsx
