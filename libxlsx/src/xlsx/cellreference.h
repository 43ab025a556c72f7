#pragma once

#include <QString>
#include <QStringView>

namespace Xlsx {

// One cell position of a sheet, 1-based, as (row, column) or "D4".
class CellReference
{
public:
    static constexpr int MaxRow = 1048576;
    static constexpr int MaxColumn = 16384;

    CellReference() = default;
    CellReference(int row, int column);
    CellReference(const QString &reference);
    CellReference(const char *reference);

    int row() const { return m_row; }
    int column() const { return m_column; }
    bool isValid() const;
    QString toString(bool rowAbsolute = false, bool columnAbsolute = false) const;

    // "A" for 1, "XFD" for 16384; empty outside the sheet.
    static QString columnName(int column);
    // 1 for "A" (any case), 0 for anything that is not a column name of the sheet.
    static int columnNumber(QStringView letters);

    bool operator==(const CellReference &other) const
    {
        return m_row == other.m_row && m_column == other.m_column;
    }
    bool operator!=(const CellReference &other) const { return !(*this == other); }

private:
    void parse(QStringView text);

    int m_row = 0;
    int m_column = 0;
};

} // namespace Xlsx
