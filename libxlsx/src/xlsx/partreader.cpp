#include "xlsx/partreader.h"

#include "xlsx/xmledit.h"
#include "xlsx/xmlscanner.h"

#include <algorithm>

namespace Xlsx {

namespace {

bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace() || c.unicode() == 0xfeff; });
}

bool scannerFailed(const XmlScanner &scanner, QString *error)
{
    *error = scanner.errorString();
    return false;
}

} // namespace

bool PartReader::openRoot(XmlScanner &scanner, const char *root, const QString &notThePart, QString *error)
{
    for (;;) {
        switch (scanner.next()) {
        case XmlScanner::Characters:
            if (isBlank(scanner.text()))
                continue;
            *error = QStringLiteral("Start tag expected (line 1)");
            return false;
        case XmlScanner::StartElement:
            if (scanner.isNamed(root))
                return true;
            Q_FALLTHROUGH();
        case XmlScanner::EndOfData:
        case XmlScanner::EndElement:
            *error = notThePart;
            return false;
        case XmlScanner::Invalid:
            return scannerFailed(scanner, error);
        }
    }
}

bool PartReader::finish(XmlScanner &scanner, QString *error)
{
    for (;;) {
        switch (scanner.next()) {
        case XmlScanner::EndOfData:
            return true;
        case XmlScanner::Characters:
            if (isBlank(scanner.text()))
                continue;
            Q_FALLTHROUGH();
        case XmlScanner::StartElement:
        case XmlScanner::EndElement:
            *error = QStringLiteral("Extra content at end of document");
            return false;
        case XmlScanner::Invalid:
            return scannerFailed(scanner, error);
        }
    }
}

bool PartReader::readText(XmlScanner &scanner, QString &text, bool *rich)
{
    // Runs within runs are followed by a count, not by recursion, however deep they nest.
    for (int runs = 0; runs >= 0;) {
        QString piece;
        if (!scanner.nextChild()) {
            if (scanner.token() != XmlScanner::EndElement)
                return false;
            --runs;
        } else if (scanner.isNamed("t")) {
            if (!scanner.readElementText(&piece))
                return false;
            text += piece;
        } else if (scanner.isNamed("r")) {
            if (rich)
                *rich = true;
            ++runs;
        } else if (!scanner.skipElement()) {
            return false;
        }
    }
    return true;
}

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
