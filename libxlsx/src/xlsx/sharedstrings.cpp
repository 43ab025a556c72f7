#include "xlsx/sharedstrings.h"

#include "xlsx/partreader.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace Xlsx {

bool SharedStrings::load(const QByteArray &bytes, QString *error)
{
    m_xml = XmlText::decode(bytes);
    QXmlStreamReader reader(m_xml);
    if (!PartReader::openRoot(reader, QLatin1String("sst"),
                              QStringLiteral("the part is not a shared string table"), &m_prefix, error))
        return false;
    m_root = XmlEdit::elementAt(m_xml, reader.characterOffset());
    bool ok = false;
    const qint64 count = reader.attributes().value(QLatin1String("count")).toLongLong(&ok);
    m_originalCount = ok ? count : -1;
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("si")) {
            reader.skipCurrentElement();
            continue;
        }
        QString text;
        bool rich = false;
        PartReader::readText(reader, text, &rich);
        text = XmlText::decodeEscapes(text);
        if (!rich && !m_index.contains(text))
            m_index.insert(text, m_texts.size());
        m_texts.append(text);
    }
    if (!PartReader::finish(reader, m_xml, &m_root.endTagStart, error))
        return false;
    m_original = m_texts.size();
    return true;
}

int SharedStrings::add(const QString &text)
{
    const auto found = m_index.constFind(text);
    if (found != m_index.constEnd())
        return found.value();
    const int index = m_texts.size();
    m_texts.append(text);
    m_index.insert(text, index);
    return index;
}

QByteArray SharedStrings::save(qint64 referenceDelta) const
{
    const QByteArray prefix = m_prefix.toUtf8();
    QByteArray entries;
    entries.reserve((m_texts.size() - m_original) * 24);
    for (int i = m_original; i < m_texts.size(); ++i)
        XmlText::appendStringItem(entries, prefix, "si", m_texts[i]);
    if (!m_root.present()) {
        const qint64 count = std::max<qint64>(referenceDelta, 0);
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\""
            + QByteArray::number(count) + "\" uniqueCount=\"" + QByteArray::number(m_texts.size()) + "\">"
            + entries + "</sst>";
    }
    QString startTag = m_root.startTag(m_xml);
    startTag = XmlEdit::withAttribute(startTag, QStringLiteral("uniqueCount"), QString::number(m_texts.size()));
    if (m_originalCount >= 0)
        startTag = XmlEdit::withAttribute(startTag, QStringLiteral("count"),
                                          QString::number(std::max<qint64>(m_originalCount + referenceDelta, 0)));
    XmlEdit edit;
    edit.appendTo(m_root, startTag, entries, "</" + prefix + "sst>");
    return edit.apply(m_xml);
}

} // namespace Xlsx
