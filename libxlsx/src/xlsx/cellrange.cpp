#include "xlsx/cellrange.h"

#include <algorithm>

namespace Xlsx {

CellRange::CellRange(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    set(firstRow, firstColumn, lastRow, lastColumn);
}

CellRange::CellRange(const CellReference &topLeft, const CellReference &bottomRight)
{
    if (topLeft.isValid() && bottomRight.isValid())
        set(topLeft.row(), topLeft.column(), bottomRight.row(), bottomRight.column());
}

CellRange::CellRange(const QString &range)
{
    parse(range);
}

CellRange::CellRange(const char *range)
{
    parse(QString::fromUtf8(range));
}

void CellRange::set(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    const CellReference a(firstRow, firstColumn);
    const CellReference b(lastRow, lastColumn);
    if (!a.isValid() || !b.isValid())
        return;
    m_firstRow = std::min(firstRow, lastRow);
    m_lastRow = std::max(firstRow, lastRow);
    m_firstColumn = std::min(firstColumn, lastColumn);
    m_lastColumn = std::max(firstColumn, lastColumn);
}

void CellRange::parse(const QString &text)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        const CellReference single(text);
        if (single.isValid())
            set(single.row(), single.column(), single.row(), single.column());
        return;
    }
    const CellReference first(text.left(colon));
    const CellReference last(text.mid(colon + 1));
    if (first.isValid() && last.isValid())
        set(first.row(), first.column(), last.row(), last.column());
}

bool CellRange::isValid() const
{
    return m_firstRow >= 1 && m_firstColumn >= 1;
}

bool CellRange::contains(int row, int column) const
{
    return isValid() && row >= m_firstRow && row <= m_lastRow && column >= m_firstColumn
        && column <= m_lastColumn;
}

bool CellRange::intersects(const CellRange &other) const
{
    return isValid() && other.isValid() && other.m_firstRow <= m_lastRow
        && other.m_lastRow >= m_firstRow && other.m_firstColumn <= m_lastColumn
        && other.m_lastColumn >= m_firstColumn;
}

QString CellRange::toString() const
{
    if (!isValid())
        return {};
    const QString first = topLeft().toString();
    if (m_firstRow == m_lastRow && m_firstColumn == m_lastColumn)
        return first;
    return first + QLatin1Char(':') + bottomRight().toString();
}

bool CellRange::operator==(const CellRange &other) const
{
    return m_firstRow == other.m_firstRow && m_firstColumn == other.m_firstColumn
        && m_lastRow == other.m_lastRow && m_lastColumn == other.m_lastColumn;
}

} // namespace Xlsx
