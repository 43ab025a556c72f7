#include "xlsx/contenttypes.h"

#include "xlsx/partreader.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QXmlStreamReader>

namespace Xlsx {

bool ContentTypes::load(const QByteArray &bytes, QString *error)
{
    m_xml = XmlText::decode(bytes);
    PartReader::openEmptyRoot(m_xml);
    QXmlStreamReader reader(m_xml);
    if (!PartReader::openRoot(reader, QLatin1String("Types"),
                              QStringLiteral("the part lists no content types"), &m_prefix, error))
        return false;
    while (reader.readNextStartElement()) {
        Entry entry;
        entry.start = XmlEdit::tagStart(m_xml, reader.characterOffset());
        const QXmlStreamAttributes attributes = reader.attributes();
        entry.contentType = attributes.value(QLatin1String("ContentType")).toString();
        if (reader.name() == QLatin1String("Default")) {
            entry.isDefault = true;
            entry.key = attributes.value(QLatin1String("Extension")).toString().toLower();
        } else {
            entry.key = attributes.value(QLatin1String("PartName")).toString();
        }
        reader.skipCurrentElement();
        entry.end = int(reader.characterOffset());
        m_entries.append(entry);
    }
    return PartReader::finish(reader, m_xml, &m_rootEnd, error);
}

QString ContentTypes::typeOf(const QString &partName) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        if (!entry.isDefault && !m_removed.contains(i) && entry.key.compare(partName, Qt::CaseInsensitive) == 0)
            return entry.contentType;
    }
    for (const Entry &entry : m_added) {
        if (entry.key.compare(partName, Qt::CaseInsensitive) == 0)
            return entry.contentType;
    }
    const QString extension = partName.mid(partName.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    for (const Entry &entry : m_entries) {
        if (entry.isDefault && entry.key == extension)
            return entry.contentType;
    }
    return {};
}

void ContentTypes::addOverride(const QString &partName, const QString &contentType)
{
    Entry entry;
    entry.key = partName;
    entry.contentType = contentType;
    m_added.append(entry);
}

void ContentTypes::removeOverride(const QString &partName)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        if (!entry.isDefault && entry.key.compare(partName, Qt::CaseInsensitive) == 0 && !m_removed.contains(i))
            m_removed.append(i);
    }
}

QByteArray ContentTypes::save() const
{
    XmlEdit edit;
    for (int index : m_removed)
        edit.replace(m_entries[index].start, m_entries[index].end, QByteArray());
    QString added;
    for (const Entry &entry : m_added)
        added += QStringLiteral("<%1Override PartName=\"%2\" ContentType=\"%3\"/>")
                     .arg(m_prefix, XmlText::escapedAttribute(entry.key), XmlText::escapedAttribute(entry.contentType));
    if (!added.isEmpty())
        edit.insert(m_rootEnd, added.toUtf8());
    return edit.apply(m_xml);
}

} // namespace Xlsx
