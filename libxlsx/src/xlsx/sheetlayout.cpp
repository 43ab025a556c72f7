#include "xlsx/sheetlayout.h"

#include "xlsx/cellstore.h"
#include "xlsx/partreader.h"
#include "xlsx/xmlattributes.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace Xlsx {

namespace {

// Elements that may stand between sheetData and mergeCells.
bool precedesMerges(const QStringRef &name)
{
    for (const char *element : {"sheetCalcPr", "sheetProtection", "protectedRanges", "scenarios", "autoFilter",
                                "sortState", "dataConsolidate", "customSheetViews"}) {
        if (name == QLatin1String(element))
            return true;
    }
    return false;
}

} // namespace

bool SheetLayout::parse(const QString &xml, QString *error)
{
    QXmlStreamReader reader(xml);
    if (!PartReader::openRoot(reader, QLatin1String("worksheet"),
                              QStringLiteral("the part is not a worksheet"), &m_prefix, error))
        return false;
    m_dimensionInsert = int(reader.characterOffset());
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        const int start = XmlEdit::tagStart(xml, reader.characterOffset());
        if (name == QLatin1String("sheetData")) {
            if (m_sheetData.present()) {
                *error = QStringLiteral("the worksheet has two cell tables");
                return false;
            }
            // Its rows were read from the part's bytes already; here it stands empty.
            m_sheetData.start = start;
            reader.skipCurrentElement();
            m_sheetData.end = int(reader.characterOffset());
            continue;
        }
        if (name == QLatin1String("sheetPr")) {
            reader.skipCurrentElement();
            m_dimensionInsert = int(reader.characterOffset());
        } else if (name == QLatin1String("dimension")) {
            m_dimension.start = start;
            reader.skipCurrentElement();
            m_dimension.end = int(reader.characterOffset());
        } else if (name == QLatin1String("sheetFormatPr")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            bool ok = false;
            const double height = attributes.value(QLatin1String("defaultRowHeight")).toDouble(&ok);
            if (ok && height > 0)
                m_defaultRowHeight = height;
            const double width = attributes.value(QLatin1String("defaultColWidth")).toDouble(&ok);
            if (ok && width > 0)
                m_defaultColumnWidth = width;
            reader.skipCurrentElement();
        } else if (name == QLatin1String("cols") && !m_columnsSpan.present()) {
            m_columnsSpan.start = start;
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("col")) {
                    Column column;
                    for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                        if (attribute.qualifiedName() == QLatin1String("min"))
                            column.min = attribute.value().toInt();
                        else if (attribute.qualifiedName() == QLatin1String("max"))
                            column.max = attribute.value().toInt();
                        else
                            column.attributes.append({attribute.qualifiedName().toString(), attribute.value().toString()});
                    }
                    if (column.min >= 1 && column.max >= column.min)
                        m_columns.push_back(column);
                }
                reader.skipCurrentElement();
            }
            m_columnsSpan.end = int(reader.characterOffset());
        } else if (name == QLatin1String("mergeCells") && !m_mergesSpan.present()) {
            m_mergesSpan.start = start;
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("mergeCell")) {
                    const CellRange range(reader.attributes().value(QLatin1String("ref")).toString());
                    if (range.isValid()) {
                        m_merges.append(range);
                        indexMerge(range);
                    }
                }
                reader.skipCurrentElement();
            }
            m_mergesSpan.end = int(reader.characterOffset());
        } else {
            if (m_sheetData.present() && m_mergesInsert < 0 && !precedesMerges(name))
                m_mergesInsert = start;
            reader.skipCurrentElement();
        }
    }
    int rootEnd = -1;
    if (!PartReader::finish(reader, xml, &rootEnd, error))
        return false;
    if (!m_sheetData.present()) {
        *error = QStringLiteral("the worksheet has no cell table (sheetData)");
        return false;
    }
    if (m_mergesInsert < 0)
        m_mergesInsert = rootEnd;
    std::sort(m_columns.begin(), m_columns.end(), [](const Column &a, const Column &b) { return a.min < b.min; });
    return true;
}

const SheetLayout::Column *SheetLayout::columnAt(int column) const
{
    for (const Column &entry : m_columns) {
        if (column >= entry.min && column <= entry.max)
            return &entry;
    }
    return nullptr;
}

double SheetLayout::columnWidth(int column) const
{
    const Column *entry = columnAt(column);
    const QString *width = entry ? XmlAttributes::find(entry->attributes, QStringLiteral("width")) : nullptr;
    return width ? width->toDouble() : m_defaultColumnWidth;
}

int SheetLayout::columnStyle(int column) const
{
    const Column *entry = columnAt(column);
    const QString *style = entry ? XmlAttributes::find(entry->attributes, QStringLiteral("style")) : nullptr;
    return style ? style->toInt() : -1;
}

void SheetLayout::setColumnWidth(int first, int last, double width)
{
    auto sized = [width](XmlNode::Attributes attributes) {
        XmlAttributes::set(attributes, QStringLiteral("width"), XmlText::numberText(width));
        XmlAttributes::set(attributes, QStringLiteral("customWidth"), QStringLiteral("1"));
        return attributes;
    };
    std::vector<Column> columns;
    std::vector<Column> covered;
    for (const Column &entry : m_columns) {
        if (entry.max < first || entry.min > last) {
            columns.push_back(entry);
            continue;
        }
        if (entry.min < first)
            columns.push_back({entry.min, first - 1, entry.attributes});
        if (entry.max > last)
            columns.push_back({last + 1, entry.max, entry.attributes});
        covered.push_back({std::max(entry.min, first), std::min(entry.max, last), sized(entry.attributes)});
    }
    int next = first;
    for (const Column &entry : covered) {
        if (entry.min > next)
            columns.push_back({next, entry.min - 1, sized({})});
        columns.push_back(entry);
        next = entry.max + 1;
    }
    if (next <= last)
        columns.push_back({next, last, sized({})});
    std::sort(columns.begin(), columns.end(), [](const Column &a, const Column &b) { return a.min < b.min; });
    m_columns = columns;
    m_columnsChanged = true;
}

void SheetLayout::indexMerge(const CellRange &range)
{
    m_mergesByRow[range.firstRow()].insert({range.firstColumn(), range});
    m_tallestMerge = std::max(m_tallestMerge, range.rowCount());
}

bool SheetLayout::findOverlappingMerge(const CellRange &range, CellRange *found) const
{
    // Merges do not overlap, so those that start in one row follow each other by column: the ones
    // that share columns with the range are the last few that start left of its end.
    const auto end = m_mergesByRow.upper_bound(range.lastRow());
    for (auto row = m_mergesByRow.lower_bound(range.firstRow() - m_tallestMerge + 1); row != end; ++row) {
        const std::map<int, CellRange> &starts = row->second;
        for (auto candidate = starts.upper_bound(range.lastColumn()); candidate != starts.begin();) {
            --candidate;
            if (candidate->second.lastColumn() < range.firstColumn())
                break;
            if (candidate->second.intersects(range)) {
                *found = candidate->second;
                return true;
            }
        }
    }
    return false;
}

void SheetLayout::addMerge(const CellRange &range)
{
    m_merges.append(range);
    indexMerge(range);
    m_mergesChanged = true;
}

bool SheetLayout::removeMerge(const CellRange &range)
{
    if (!m_merges.removeOne(range))
        return false;
    const auto row = m_mergesByRow.find(range.firstRow());
    if (row != m_mergesByRow.end()) {
        row->second.erase(range.firstColumn());
        if (row->second.empty())
            m_mergesByRow.erase(row);
    }
    m_mergesChanged = true;
    return true;
}

QByteArray SheetLayout::columnsXml() const
{
    if (m_columns.empty())
        return {};
    const QByteArray prefix = m_prefix.toUtf8();
    QByteArray xml = '<' + prefix + "cols>";
    for (const Column &column : m_columns) {
        xml += '<' + prefix + "col min=\"" + QByteArray::number(column.min) + "\" max=\""
            + QByteArray::number(column.max) + '"';
        for (const auto &attribute : column.attributes) {
            xml += ' ' + attribute.first.toUtf8() + "=\"";
            XmlText::appendAttribute(xml, attribute.second);
            xml += '"';
        }
        xml += "/>";
    }
    return xml + "</" + prefix + "cols>";
}

QByteArray SheetLayout::mergesXml() const
{
    if (m_merges.isEmpty())
        return {};
    const QByteArray prefix = m_prefix.toUtf8();
    QByteArray xml = '<' + prefix + "mergeCells count=\"" + QByteArray::number(m_merges.size()) + "\">";
    for (const CellRange &range : m_merges)
        xml += '<' + prefix + "mergeCell ref=\"" + range.toString().toLatin1() + "\"/>";
    return xml + "</" + prefix + "mergeCells>";
}

QByteArray SheetLayout::assemble(const QString &xml, const QByteArray &sheetData, const CellRange &dimension) const
{
    XmlEdit edit;
    const QByteArray dimensionXml = '<' + m_prefix.toUtf8() + "dimension ref=\""
        + (dimension.isValid() ? dimension.toString().toLatin1() : QByteArrayLiteral("A1")) + "\"/>";
    if (m_dimension.present())
        edit.replace(m_dimension.start, m_dimension.end, dimensionXml);
    else
        edit.insert(m_dimensionInsert, dimensionXml);
    if (m_columnsChanged) {
        if (m_columnsSpan.present())
            edit.replace(m_columnsSpan.start, m_columnsSpan.end, columnsXml());
        else
            edit.insert(m_sheetData.start, columnsXml());
    }
    edit.replace(m_sheetData.start, m_sheetData.end, sheetData);
    if (m_mergesChanged) {
        if (m_mergesSpan.present())
            edit.replace(m_mergesSpan.start, m_mergesSpan.end, mergesXml());
        else
            edit.insert(m_mergesInsert, mergesXml());
    }
    return edit.apply(xml);
}

} // namespace Xlsx
