#include "xlsx/sharedstrings.h"

#include "xlsx/partcopier.h"
#include "xlsx/partreader.h"
#include "xlsx/partstream.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmlscanner.h"
#include "xlsx/xmltext.h"

#include <algorithm>

namespace Xlsx {

bool SharedStrings::load(const Package::Part &part, QString *error)
{
    if (!PartStream::utf8Part(part, &m_source, error))
        return false;
    PartStream stream(m_source);
    XmlScanner scanner([&stream](char *data, qint64 size) { return stream.read(data, size); });
    const auto failed = [&] {
        if (!stream.checkRest())
            *error = QStringLiteral("the archive entry %1 is damaged").arg(part.name);
        else if (error->isEmpty())
            *error = scanner.errorString();
        return false;
    };
    if (!PartReader::openRoot(scanner, "sst", QStringLiteral("the part is not a shared string table"), error))
        return failed();
    m_prefix = QString::fromUtf8(scanner.prefix());
    m_rootStart = scanner.tokenStart();
    m_rootTagEnd = scanner.tokenEnd();
    m_rootTag = QString::fromUtf8(scanner.tokenBytes());
    m_selfClosing = m_rootTag.endsWith(QLatin1String("/>"));
    QString count;
    if (const XmlScanner::Attribute *attribute = scanner.find("count"))
        scanner.value(*attribute, &count);
    bool ok = false;
    m_originalCount = count.toLongLong(&ok);
    if (!ok)
        m_originalCount = -1;
    QVector<bool> rich;
    while (scanner.nextChild()) {
        if (!scanner.isNamed("si")) {
            if (!scanner.skipElement())
                return failed();
            continue;
        }
        QString text;
        bool runs = false;
        if (!PartReader::readText(scanner, text, &runs))
            return failed();
        m_texts.append(XmlText::decodeEscapes(text));
        rich.append(runs);
    }
    if (scanner.token() != XmlScanner::EndElement)
        return failed();
    m_rootEndStart = m_selfClosing ? m_rootTagEnd : scanner.tokenStart();
    if (!PartReader::finish(scanner, error))
        return failed();
    m_original = m_texts.size();
    m_rich.resize(rich.size());
    for (int i = 0; i < rich.size(); ++i)
        m_rich.setBit(i, rich.at(i));
    return true;
}

void SharedStrings::makeIndex()
{
    m_indexed = true;
    m_index.reserve(m_texts.size());
    for (int i = 0; i < m_texts.size(); ++i) {
        if ((i >= m_rich.size() || !m_rich.testBit(i)) && !m_index.contains(m_texts[i]))
            m_index.insert(m_texts[i], i);
    }
}

int SharedStrings::add(const QString &text)
{
    if (!m_indexed)
        makeIndex();
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
    if (m_rootStart < 0) {
        const qint64 count = std::max<qint64>(referenceDelta, 0);
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\""
            + QByteArray::number(count) + "\" uniqueCount=\"" + QByteArray::number(m_texts.size()) + "\">"
            + entries + "</sst>";
    }
    QString startTag = XmlEdit::withAttribute(m_rootTag, QStringLiteral("uniqueCount"), QString::number(m_texts.size()));
    if (m_originalCount >= 0)
        startTag = XmlEdit::withAttribute(startTag, QStringLiteral("count"),
                                          QString::number(std::max<qint64>(m_originalCount + referenceDelta, 0)));
    if (m_selfClosing)
        startTag.remove(startTag.size() - 2, 1); // "<sst .../>" opened: "<sst ...>"
    // The part as read, with the new start tag and the new entries before the root's end.
    QByteArray out;
    PartCopier source(m_source);
    source.append(0, m_rootStart, out);
    out += startTag.toUtf8();
    source.append(m_rootTagEnd, m_rootEndStart, out);
    out += entries;
    if (m_selfClosing)
        out += "</" + prefix + "sst>";
    source.copyRest([&out](const char *data, qint64 size) { out.append(data, int(size)); });
    return out;
}

} // namespace Xlsx
