#pragma once

#include "xlsx/cellrange.h"
#include "xlsx/xmlnode.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <map>
#include <vector>

namespace Xlsx {


// Everything of a worksheet part around its cells: where the dimension, column widths, cell
// data and merged ranges stand in the original text, and the columns and merges themselves.
// Saving replaces only those elements and keeps the rest of the text as it was.
class SheetLayout
{
public:
    // Reads the part's text, whose cell table stands empty (CellStore reads the rows).
    bool parse(const QString &xml, QString *error);
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

    // The part with its dimension, columns, cell data and merges replaced.
    QByteArray assemble(const QString &xml, const QByteArray &sheetData, const CellRange &dimension) const;

private:
    struct Column
    {
        int min = 0;
        int max = 0;
        XmlNode::Attributes attributes;
    };
    struct Span
    {
        int start = -1;
        int end = -1;
        bool present() const { return start >= 0; }
    };
    const Column *columnAt(int column) const;
    QByteArray columnsXml() const;
    QByteArray mergesXml() const;

    QString m_prefix;
    Span m_dimension;
    Span m_columnsSpan;
    Span m_sheetData;
    Span m_mergesSpan;
    int m_dimensionInsert = -1;
    int m_mergesInsert = -1;
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
