#include "xlsx/styles.h"

#include "xlsx/formatdata.h"
#include "xlsx/partreader.h"
#include "xlsx/xmlattributes.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <atomic>

namespace Xlsx {

namespace {

std::atomic<quint64> nextStylesId{1};

// Entries of one style table (formats, fonts, fills, borders, cell formats), a little above the
// cell formats Excel allows: each takes far more once read than its few bytes of XML.
constexpr int maxTableEntries = 65536;

// Raises an error on the reader when a table holds more entries than it may.
bool overfull(QXmlStreamReader &reader, int entries, const QString &table)
{
    if (entries <= maxTableEntries)
        return false;
    reader.raiseError(QStringLiteral("%1 has more than %2 entries").arg(table).arg(maxTableEntries));
    return true;
}

const char *const collectionOrder[] = {"numFmts", "fonts",  "fills",  "borders",     "cellStyleXfs", "cellXfs",
                                       "cellStyles", "dxfs", "tableStyles", "colors", "extLst"};

XmlNode defaultFont()
{
    XmlNode font(QStringLiteral("font"));
    font.ensureChild(QStringLiteral("sz")).setAttribute(QStringLiteral("val"), QStringLiteral("11"));
    font.ensureChild(QStringLiteral("name")).setAttribute(QStringLiteral("val"), QStringLiteral("Calibri"));
    font.ensureChild(QStringLiteral("family")).setAttribute(QStringLiteral("val"), QStringLiteral("2"));
    return font;
}

XmlNode patternFill(const QString &type)
{
    XmlNode fill(QStringLiteral("fill"));
    fill.ensureChild(QStringLiteral("patternFill")).setAttribute(QStringLiteral("patternType"), type);
    return fill;
}

XmlNode emptyBorder()
{
    XmlNode border(QStringLiteral("border"));
    for (const char *side : {"left", "right", "top", "bottom", "diagonal"})
        border.ensureChild(QString::fromLatin1(side));
    return border;
}

} // namespace

int Styles::Table::add(const XmlNode &node, bool reuse)
{
    const QString text = node.toXml();
    const auto found = first.constFind(text);
    if (reuse && found != first.constEnd())
        return found.value();
    const int index = entries.size();
    entries.append(node);
    texts.append(text);
    if (found == first.constEnd())
        first.insert(text, index);
    return index;
}

int Styles::Table::canonical(int index) const
{
    if (index < 0 || index >= texts.size())
        return index;
    return first.value(texts[index], index);
}

Styles::Styles()
    : m_id(nextStylesId++)
{
}

QByteArray Styles::defaultPart()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/><family val=\"2\"/></font></fonts>"
        "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
        "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
        "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
        "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
        "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/></cellXfs>"
        "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
        "<dxfs count=\"0\"/><tableStyles count=\"0\"/>"
        "</styleSheet>");
}

bool Styles::load(const QByteArray &bytes, QString *error)
{
    m_xml = XmlText::decode(bytes);
    PartReader::openEmptyRoot(m_xml);
    return parse(error);
}

bool Styles::parse(QString *error)
{
    QXmlStreamReader reader(m_xml);
    if (!PartReader::openRoot(reader, QLatin1String("styleSheet"),
                              QStringLiteral("the part is not a style sheet"), &m_prefix, error))
        return false;
    int maxCustomId = NumberFormat::FirstCustomId - 1;
    while (reader.readNextStartElement()) {
        const QString name = reader.name().toString();
        const qint64 offset = reader.characterOffset();
        const int start = XmlEdit::tagStart(m_xml, offset);
        if (!m_starts.contains(name))
            m_starts.insert(name, start);
        const bool collection = name == QLatin1String("numFmts") || name == QLatin1String("fonts")
            || name == QLatin1String("fills") || name == QLatin1String("borders") || name == QLatin1String("cellXfs");
        if (!collection || m_spans.contains(name)) {
            reader.skipCurrentElement();
            continue;
        }
        XmlEdit::Element span = XmlEdit::elementAt(m_xml, offset);
        if (name == QLatin1String("numFmts")) {
            while (!overfull(reader, m_customCodes.size(), name) && reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("numFmt")) {
                    const int id = reader.attributes().value(QLatin1String("numFmtId")).toInt();
                    const QString code = reader.attributes().value(QLatin1String("formatCode")).toString();
                    m_customCodes.insert(id, code);
                    if (!m_customIds.contains(code))
                        m_customIds.insert(code, id);
                    maxCustomId = std::max(maxCustomId, id);
                }
                reader.skipCurrentElement();
            }
        } else if (name == QLatin1String("cellXfs")) {
            parseXfs(reader);
        } else {
            Table &table = name == QLatin1String("fonts") ? m_fonts : name == QLatin1String("fills") ? m_fills : m_borders;
            const QString entry = name.left(name.size() - 1);
            while (!overfull(reader, table.entries.size(), name) && reader.readNextStartElement()) {
                if (reader.name() == entry)
                    table.add(XmlNode::read(reader), false);
                else
                    reader.skipCurrentElement();
            }
        }
        if (!span.selfClosing)
            span.endTagStart = XmlEdit::tagStart(m_xml, reader.characterOffset());
        m_spans.insert(name, span);
    }
    if (!PartReader::finish(reader, m_xml, &m_rootEnd, error))
        return false;
    m_nextNumberFormatId = maxCustomId + 1;
    m_fonts.original = m_fonts.entries.size();
    m_fills.original = m_fills.entries.size();
    m_borders.original = m_borders.entries.size();
    m_originalXfs = m_xfs.size();
    ensureDefaults();
    return true;
}

void Styles::parseXfs(QXmlStreamReader &reader)
{
    while (!overfull(reader, m_xfs.size(), QStringLiteral("cellXfs")) && reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("xf")) {
            reader.skipCurrentElement();
            continue;
        }
        Xf xf;
        for (const QXmlStreamAttribute &attribute : reader.attributes()) {
            const QStringRef name = attribute.name();
            if (!attribute.prefix().isEmpty() || name.startsWith(QLatin1String("apply")))
                continue;
            if (name == QLatin1String("numFmtId"))
                xf.numberFormatId = attribute.value().toInt();
            else if (name == QLatin1String("fontId"))
                xf.fontId = attribute.value().toInt();
            else if (name == QLatin1String("fillId"))
                xf.fillId = attribute.value().toInt();
            else if (name == QLatin1String("borderId"))
                xf.borderId = attribute.value().toInt();
            else
                xf.extra.append({name.toString(), attribute.value().toString()});
        }
        while (reader.readNextStartElement()) {
            const bool alignment = reader.name() == QLatin1String("alignment");
            if (alignment || reader.name() == QLatin1String("protection")) {
                const XmlNode node = XmlNode::read(reader);
                (alignment ? xf.alignment : xf.protection) = node.attributes();
            } else {
                reader.skipCurrentElement();
            }
        }
        m_xfs.append(xf);
    }
}

void Styles::ensureDefaults()
{
    if (m_fonts.entries.isEmpty())
        m_fonts.add(defaultFont(), false);
    if (m_fills.entries.isEmpty()) {
        m_fills.add(patternFill(QStringLiteral("none")), false);
        m_fills.add(patternFill(QStringLiteral("gray125")), false);
    }
    if (m_borders.entries.isEmpty())
        m_borders.add(emptyBorder(), false);
    if (m_xfs.isEmpty())
        m_xfs.append(Xf());
}

Format Styles::format(int index) const
{
    if (index < 0 || index >= m_xfs.size())
        return Format();
    if (m_formats.size() < m_xfs.size())
        m_formats.resize(m_xfs.size());
    if (m_formats[index].isNull()) {
        const Xf &xf = m_xfs[index];
        auto *data = new FormatData;
        data->null = false;
        data->numberFormatId = xf.numberFormatId;
        data->numberFormatCode = m_customCodes.value(xf.numberFormatId);
        data->font = m_fonts.entries.value(xf.fontId);
        data->fill = m_fills.entries.value(xf.fillId);
        data->border = m_borders.entries.value(xf.borderId);
        data->alignment = xf.alignment;
        data->protection = xf.protection;
        data->extra = xf.extra;
        data->originStyles = m_id;
        data->originIndex = index;
        m_formats[index] = Format(data);
    }
    return m_formats[index];
}

int Styles::indexOf(const Format &format)
{
    if (format.isNull())
        return -1;
    const FormatData &data = *format.d;
    const quint64 resolved = data.resolved.load(std::memory_order_relaxed);
    if ((resolved >> 32) == m_id)
        return int(resolved & 0xFFFFFFFFu) - 1;

    int index = -1;
    if (data.originStyles == m_id && data.originIndex >= 0 && data.originIndex < m_xfs.size()) {
        index = data.originIndex;
    } else {
        Xf xf;
        xf.numberFormatId = numberFormatIdOf(data);
        xf.fontId = m_fonts.add(Format::effectiveFont(data, m_fonts.entries.first()), true);
        xf.fillId = data.fill.isNull() ? 0 : m_fills.add(data.fill, true);
        xf.borderId = data.border.isNull() ? 0 : m_borders.add(data.border, true);
        xf.alignment = data.alignment;
        xf.protection = data.protection;
        xf.extra = data.extra;
        indexKeys();
        const QString key = keyOf(xf);
        index = m_xfKeys.value(key, -1);
        if (index < 0) {
            index = m_xfs.size();
            m_xfs.append(xf);
            m_xfKeys.insert(key, index);
        }
    }
    data.resolved.store((m_id << 32) | quint64(index + 1), std::memory_order_relaxed);
    return index;
}

NumberFormat::Kind Styles::kindOf(int index) const
{
    if (index < 0 || index >= m_xfs.size())
        return NumberFormat::Number;
    if (m_kinds.size() < m_xfs.size()) {
        const int known = m_kinds.size();
        m_kinds.resize(m_xfs.size());
        std::fill(m_kinds.begin() + known, m_kinds.end(), qint8(-1));
    }
    if (m_kinds[index] < 0) {
        const int id = m_xfs[index].numberFormatId;
        const auto custom = m_customCodes.constFind(id);
        m_kinds[index] = qint8(custom != m_customCodes.constEnd() ? NumberFormat::kindOfCode(custom.value())
                                                                   : NumberFormat::kindOfId(id));
    }
    return NumberFormat::Kind(m_kinds[index]);
}

int Styles::numberFormatIdOf(const FormatData &data)
{
    const QString &code = data.numberFormatCode;
    if (code.isEmpty())
        return data.numberFormatId >= 0 ? data.numberFormatId : 0;
    const int builtin = NumberFormat::builtinId(code);
    if (builtin >= 0)
        return builtin;
    const auto found = m_customIds.constFind(code);
    if (found != m_customIds.constEnd())
        return found.value();
    const int id = m_nextNumberFormatId++;
    m_customCodes.insert(id, code);
    m_customIds.insert(code, id);
    m_newNumberFormats.append(id);
    return id;
}

QString Styles::keyOf(const Xf &xf) const
{
    return QStringLiteral("%1|%2|%3|%4|").arg(xf.numberFormatId).arg(m_fonts.canonical(xf.fontId))
               .arg(m_fills.canonical(xf.fillId)).arg(m_borders.canonical(xf.borderId))
        + XmlAttributes::sortedText(xf.alignment) + QLatin1Char('|') + XmlAttributes::sortedText(xf.protection)
        + QLatin1Char('|') + XmlAttributes::sortedText(xf.extra);
}

void Styles::indexKeys()
{
    if (m_keysIndexed)
        return;
    for (int i = 0; i < m_xfs.size(); ++i) {
        const QString key = keyOf(m_xfs[i]);
        if (!m_xfKeys.contains(key))
            m_xfKeys.insert(key, i);
    }
    m_keysIndexed = true;
}

bool Styles::isModified() const
{
    return !m_newNumberFormats.isEmpty() || m_fonts.entries.size() > m_fonts.original
        || m_fills.entries.size() > m_fills.original || m_borders.entries.size() > m_borders.original
        || m_xfs.size() > m_originalXfs;
}

QString Styles::xfXml(const Xf &xf) const
{
    QString xfId = QStringLiteral("0");
    QString rest;
    for (const auto &attribute : xf.extra) {
        if (attribute.first == QLatin1String("xfId"))
            xfId = attribute.second;
        else
            rest += QStringLiteral(" %1=\"%2\"").arg(attribute.first, XmlText::escapedAttribute(attribute.second));
    }
    QString xml = QStringLiteral("<%1xf numFmtId=\"%2\" fontId=\"%3\" fillId=\"%4\" borderId=\"%5\" xfId=\"%6\"")
                      .arg(m_prefix)
                      .arg(xf.numberFormatId)
                      .arg(xf.fontId)
                      .arg(xf.fillId)
                      .arg(xf.borderId)
                      .arg(XmlText::escapedAttribute(xfId));
    if (xf.numberFormatId != 0)
        xml += QStringLiteral(" applyNumberFormat=\"1\"");
    if (xf.fontId != 0)
        xml += QStringLiteral(" applyFont=\"1\"");
    if (xf.fillId != 0)
        xml += QStringLiteral(" applyFill=\"1\"");
    if (xf.borderId != 0)
        xml += QStringLiteral(" applyBorder=\"1\"");
    if (!xf.alignment.isEmpty())
        xml += QStringLiteral(" applyAlignment=\"1\"");
    if (!xf.protection.isEmpty())
        xml += QStringLiteral(" applyProtection=\"1\"");
    xml += rest;
    if (xf.alignment.isEmpty() && xf.protection.isEmpty())
        return xml + QStringLiteral("/>");
    xml += QLatin1Char('>');
    auto child = [this](const QString &name, const XmlNode::Attributes &attributes) {
        XmlNode node(name);
        for (const auto &attribute : attributes)
            node.setAttribute(attribute.first, attribute.second);
        return node.toXml(m_prefix);
    };
    if (!xf.alignment.isEmpty())
        xml += child(QStringLiteral("alignment"), xf.alignment);
    if (!xf.protection.isEmpty())
        xml += child(QStringLiteral("protection"), xf.protection);
    return xml + QStringLiteral("</%1xf>").arg(m_prefix);
}

void Styles::spliceCollection(XmlEdit &edit, const QString &name, const XmlEdit::Element &span, int total,
                              const QString &entries) const
{
    const QString closing = QStringLiteral("</%1%2>").arg(m_prefix, name);
    if (span.present()) {
        const QString counted =
            XmlEdit::withAttribute(span.startTag(m_xml), QStringLiteral("count"), QString::number(total));
        edit.appendTo(span, counted, entries.toUtf8(), closing.toUtf8());
        return;
    }
    int position = m_rootEnd;
    bool later = false;
    for (const char *element : collectionOrder) {
        const QString other = QString::fromLatin1(element);
        if (other == name) {
            later = true;
        } else if (later && m_starts.contains(other)) {
            position = m_starts.value(other);
            break;
        }
    }
    edit.insert(position, QStringLiteral("<%1%2 count=\"%3\">").arg(m_prefix, name).arg(total).toUtf8()
                              + entries.toUtf8() + closing.toUtf8());
}

QByteArray Styles::save() const
{
    XmlEdit edit;
    if (!m_newNumberFormats.isEmpty()) {
        QString entries;
        for (int id : m_newNumberFormats)
            entries += QStringLiteral("<%1numFmt numFmtId=\"%2\" formatCode=\"%3\"/>")
                           .arg(m_prefix)
                           .arg(id)
                           .arg(XmlText::escapedAttribute(m_customCodes.value(id)));
        spliceCollection(edit, QStringLiteral("numFmts"), m_spans.value(QStringLiteral("numFmts")),
                         m_customCodes.size(), entries);
    }
    const std::pair<const char *, const Table *> tables[] = {{"fonts", &m_fonts}, {"fills", &m_fills}, {"borders", &m_borders}};
    for (const auto &[name, table] : tables) {
        if (table->entries.size() == table->original)
            continue;
        QString entries;
        for (int i = table->original; i < table->entries.size(); ++i)
            entries += table->entries[i].toXml(m_prefix);
        spliceCollection(edit, QString::fromLatin1(name), m_spans.value(QString::fromLatin1(name)),
                         table->entries.size(), entries);
    }
    if (m_xfs.size() > m_originalXfs) {
        QString entries;
        for (int i = m_originalXfs; i < m_xfs.size(); ++i)
            entries += xfXml(m_xfs[i]);
        spliceCollection(edit, QStringLiteral("cellXfs"), m_spans.value(QStringLiteral("cellXfs")), m_xfs.size(), entries);
    }
    return edit.apply(m_xml);
}

} // namespace Xlsx
