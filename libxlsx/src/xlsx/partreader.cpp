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
    // Runs within runs are followed by a count, not by recursion, however deep they nest.
    for (int runs = 0; runs >= 0 && !reader.hasError();) {
        if (!reader.readNextStartElement()) {
            --runs;
            continue;
        }
        const QStringRef name = reader.name();
        if (name == QLatin1String("t")) {
            text += elementText(reader);
        } else if (name == QLatin1String("r")) {
            if (rich)
                *rich = true;
            ++runs;
        } else {
            reader.skipCurrentElement();
        }
    }
}

QString PartReader::elementText(QXmlStreamReader &reader)
{
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: ++depth; break;
        case QXmlStreamReader::EndElement: --depth; break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference: text += reader.text(); break;
        default: break;
        }
    }
    return text;
}

} // namespace Xlsx
