#include "xlsx/partreader.h"

#include "xlsx/xmledit.h"

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

bool PartReader::finish(QXmlStreamReader &reader, const QString &xml, int *rootEnd, QString *error)
{
    if (rootEnd)
        *rootEnd = XmlEdit::tagStart(xml, reader.characterOffset());
    while (!reader.hasError() && !reader.atEnd())
        reader.readNext();
    if (!reader.hasError())
        return true;
    *error = errorText(reader);
    return false;
}

void PartReader::openEmptyRoot(QString &xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement())
        return;
    const XmlEdit::Element root = XmlEdit::elementAt(xml, reader.characterOffset());
    if (root.selfClosing)
        xml.replace(root.startTagEnd - 2, 2, QStringLiteral("></") + reader.qualifiedName() + QLatin1Char('>'));
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
