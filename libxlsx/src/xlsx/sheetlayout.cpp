#include "xlsx/sheetlayout.h"

#include "xlsx/partreader.h"
#include "xlsx/xmlattributes.h"
#include "xlsx/xmlscanner.h"
#include "xlsx/xmltext.h"

#include <algorithm>

namespace Xlsx {

namespace {

// Elements that may stand between sheetData and mergeCells.
bool precedesMerges(const XmlScanner &scanner)
{
    for (const char *element : {"sheetCalcPr", "sheetProtection", "protectedRanges", "scenarios", "autoFilter",
                                "sortState", "dataConsolidate", "customSheetViews"}) {
        if (scanner.isNamed(element))
            return true;
    }
    return false;
}

bool scannerFailed(const XmlScanner &scanner, QString *error)
{
    *error = scanner.errorString();
    return false;
}

QString valueOf(XmlScanner &scanner, const char *name)
{
    QString value;
    if (const XmlScanner::Attribute *attribute = scanner.find(name))
        scanner.value(*attribute, &value);
    return value;
}

} // namespace

bool SheetLayout::read(XmlScanner &scanner, const CellTableReader &readCellTable, QString *error)
{
    if (!PartReader::openRoot(scanner, "worksheet", QStringLiteral("the part is not a worksheet"), error))
        return false;
    m_prefix = QString::fromUtf8(scanner.prefix());
    m_dimensionInsert = scanner.tokenEnd();
    while (scanner.nextChild()) {
        if (!readChild(scanner, readCellTable, error))
            return false;
    }
    if (scanner.token() != XmlScanner::EndElement)
        return scannerFailed(scanner, error);
    const qint64 rootEnd = scanner.tokenStart();
    if (!PartReader::finish(scanner, error))
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

bool SheetLayout::readChild(XmlScanner &scanner, const CellTableReader &readCellTable, QString *error)
{
    const qint64 start = scanner.tokenStart();
    if (scanner.isNamed("sheetData")) {
        if (m_sheetData.present()) {
            *error = QStringLiteral("the worksheet has two cell tables");
            return false;
        }
        m_sheetData.start = start;
        if (!readCellTable(error))
            return false;
        m_sheetData.end = scanner.tokenEnd();
        return true;
    }
    bool read = true;
    if (scanner.isNamed("sheetPr")) {
        read = scanner.skipElement();
        m_dimensionInsert = scanner.tokenEnd();
    } else if (scanner.isNamed("dimension")) {
        m_dimension.start = start;
        read = scanner.skipElement();
        m_dimension.end = scanner.tokenEnd();
    } else if (scanner.isNamed("sheetFormatPr")) {
        bool ok = false;
        const double height = valueOf(scanner, "defaultRowHeight").toDouble(&ok);
        if (ok && height > 0)
            m_defaultRowHeight = height;
        const double width = valueOf(scanner, "defaultColWidth").toDouble(&ok);
        if (ok && width > 0)
            m_defaultColumnWidth = width;
        read = scanner.skipElement();
    } else if (scanner.isNamed("cols") && !m_columnsSpan.present()) {
        m_columnsSpan.start = start;
        read = readColumns(scanner);
        m_columnsSpan.end = scanner.tokenEnd();
    } else if (scanner.isNamed("mergeCells") && !m_mergesSpan.present()) {
        m_mergesSpan.start = start;
        read = readMerges(scanner);
        m_mergesSpan.end = scanner.tokenEnd();
    } else {
        if (m_sheetData.present() && m_mergesInsert < 0 && !precedesMerges(scanner))
            m_mergesInsert = start;
        read = scanner.skipElement();
    }
    return read || scannerFailed(scanner, error);
}

bool SheetLayout::readColumns(XmlScanner &scanner)
{
    while (scanner.nextChild()) {
        if (scanner.isNamed("col")) {
            Column column;
            for (int i = 0; i < scanner.attributeCount(); ++i) {
                const XmlScanner::Attribute &attribute = scanner.attribute(i);
                const QByteArray name = QByteArray::fromRawData(attribute.name, attribute.nameSize);
                QString value;
                if (!scanner.value(attribute, &value))
                    return false;
                if (name == "min")
                    column.min = value.toInt();
                else if (name == "max")
                    column.max = value.toInt();
                else
                    column.attributes.append({QString::fromUtf8(name), value});
            }
            if (column.min >= 1 && column.max >= column.min)
                m_columns.push_back(column);
        }
        if (!scanner.skipElement())
            return false;
    }
    return scanner.token() == XmlScanner::EndElement;
}

bool SheetLayout::readMerges(XmlScanner &scanner)
{
    while (scanner.nextChild()) {
        if (scanner.isNamed("mergeCell")) {
            const CellRange range(valueOf(scanner, "ref"));
            if (range.isValid()) {
                m_merges.append(range);
                indexMerge(range);
            }
        }
        if (!scanner.skipElement())
            return false;
    }
    return scanner.token() == XmlScanner::EndElement;
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

void SheetLayout::write(PartCopier &source, const PartCopier::Sink &out, const std::function<void()> &writeCellTable,
                        const CellRange &dimension) const
{
    struct Edit
    {
        qint64 start;
        qint64 end;
        QByteArray text;
        bool cellTable;
    };
    std::vector<Edit> edits;
    const QByteArray dimensionXml = '<' + m_prefix.toUtf8() + "dimension ref=\""
        + (dimension.isValid() ? dimension.toString().toLatin1() : QByteArrayLiteral("A1")) + "\"/>";
    if (m_dimension.present())
        edits.push_back({m_dimension.start, m_dimension.end, dimensionXml, false});
    else
        edits.push_back({m_dimensionInsert, m_dimensionInsert, dimensionXml, false});
    if (m_columnsChanged) {
        if (m_columnsSpan.present())
            edits.push_back({m_columnsSpan.start, m_columnsSpan.end, columnsXml(), false});
        else
            edits.push_back({m_sheetData.start, m_sheetData.start, columnsXml(), false});
    }
    edits.push_back({m_sheetData.start, m_sheetData.end, QByteArray(), true});
    if (m_mergesChanged) {
        if (m_mergesSpan.present())
            edits.push_back({m_mergesSpan.start, m_mergesSpan.end, mergesXml(), false});
        else
            edits.push_back({m_mergesInsert, m_mergesInsert, mergesXml(), false});
    }
    std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.start < b.start; });
    for (const Edit &edit : edits) {
        if (edit.start > source.position())
            source.copy(source.position(), edit.start, out);
        if (edit.cellTable)
            writeCellTable();
        else
            out(edit.text.constData(), edit.text.size());
        source.skipTo(edit.end);
    }
    source.copyRest(out);
}

} // namespace Xlsx
