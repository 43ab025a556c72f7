#pragma once

#include "xlsx/cellreference.h"

#include <QString>

namespace Xlsx {

// A rectangle of cells such as "D18:P18"; a reversed range is normalised.
class CellRange
{
public:
    CellRange() = default;
    CellRange(int firstRow, int firstColumn, int lastRow, int lastColumn);
    CellRange(const CellReference &topLeft, const CellReference &bottomRight);
    CellRange(const QString &range);
    CellRange(const char *range);

    int firstRow() const { return m_firstRow; }
    int firstColumn() const { return m_firstColumn; }
    int lastRow() const { return m_lastRow; }
    int lastColumn() const { return m_lastColumn; }
    int rowCount() const { return isValid() ? m_lastRow - m_firstRow + 1 : 0; }
    int columnCount() const { return isValid() ? m_lastColumn - m_firstColumn + 1 : 0; }
    CellReference topLeft() const { return {m_firstRow, m_firstColumn}; }
    CellReference bottomRight() const { return {m_lastRow, m_lastColumn}; }

    bool isValid() const;
    bool contains(int row, int column) const;
    bool intersects(const CellRange &other) const;
    // "A1:B2", or "A1" for a single cell.
    QString toString() const;

    bool operator==(const CellRange &other) const;
    bool operator!=(const CellRange &other) const { return !(*this == other); }

private:
    void set(int firstRow, int firstColumn, int lastRow, int lastColumn);
    void parse(const QString &text);

    int m_firstRow = 0;
    int m_firstColumn = 0;
    int m_lastRow = 0;
    int m_lastColumn = 0;
};

} // namespace Xlsx
