#pragma once

#include "xlsx/cellrange.h"
#include "xlsx/partcopier.h"
#include "xlsx/xmlnode.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>
#include <map>
#include <vector>

namespace Xlsx {

class XmlScanner;

// Everything of a worksheet part around its cells: where the dimension, column widths, cell
// data and merged ranges stand in the original text, and the columns and merges themselves.
// Saving replaces only those elements and copies the rest of the text as it was.
class SheetLayout
{
public:
    using CellTableReader = std::function<bool(QString *error)>;
    // Reads a worksheet part from the scanner standing before it. readCellTable reads the cell
    // table from the scanner standing on its start, up to its end.
    bool read(XmlScanner &scanner, const CellTableReader &readCellTable, QString *error);
    QString prefix() const { return m_prefix; }

    double defaultRowHeight() const { return m_defaultRowHeight; }
    double columnWidth(int column) const;
    void setColumnWidth(int first, int last, double width);
    // The style of a column's empty cells, -1 for none.
    int columnStyle(int column) const;

    const QVector<CellRange> &merges() const { return m_merges; }
    // The merged range that shares a cell with range, if there is one.
    bool findOverlappingMerge(const CellRange &range, CellRange *found) const;
    void addMerge(const CellRange &range);
    bool removeMerge(const CellRange &range);

    // Writes the part to out: its text as read, copied from source, with its dimension, columns
    // and merges replaced and its cell table written by writeCellTable (which may copy from
    // source what stands inside the table).
    void write(PartCopier &source, const PartCopier::Sink &out, const std::function<void()> &writeCellTable,
               const CellRange &dimension) const;

private:
    struct Column
    {
        int min = 0;
        int max = 0;
        XmlNode::Attributes attributes;
    };
    struct Span
    {
        qint64 start = -1;
        qint64 end = -1;
        bool present() const { return start >= 0; }
    };
    bool readChild(XmlScanner &scanner, const CellTableReader &readCellTable, QString *error);
    bool readColumns(XmlScanner &scanner);
    bool readMerges(XmlScanner &scanner);
    const Column *columnAt(int column) const;
    QByteArray columnsXml() const;
    QByteArray mergesXml() const;

    QString m_prefix;
    Span m_dimension;
    Span m_columnsSpan;
    Span m_sheetData;
    Span m_mergesSpan;
    qint64 m_dimensionInsert = -1;
    qint64 m_mergesInsert = -1;
    double m_defaultRowHeight = 15;
    double m_defaultColumnWidth = 8.43;
    std::vector<Column> m_columns;
    bool m_columnsChanged = false;
    void indexMerge(const CellRange &range);

    QVector<CellRange> m_merges; // in their order in the part
    // The merges again, by first row and first column, for the overlap test; and the most rows
    // one of them spans, which bounds how far above a range a merge touching it can start.
    std::map<int, std::map<int, CellRange>> m_mergesByRow;
    int m_tallestMerge = 0;
    bool m_mergesChanged = false;
};

} // namespace Xlsx
