#pragma once

#include "xlsx/cellformula.h"
#include "xlsx/format.h"

#include <QDateTime>
#include <QVariant>

namespace Xlsx {

// A snapshot of one cell: its value, format and formula as they were when it was taken.
// A cell that the sheet does not have is null; its format is null too.
class Cell
{
public:
    enum CellType { EmptyType, NumberType, StringType, BooleanType, ErrorType };
    // The longest text a cell holds, in UTF-16 code units.
    static constexpr int MaxTextLength = 32767;

    Cell() = default;

    bool isNull() const { return m_row == 0; }
    int row() const { return m_row; }
    int column() const { return m_column; }
    CellType cellType() const { return m_type; }

    // Text, a number (qlonglong or double), bool, or for a date format QDate, QDateTime or QTime;
    // the cached result for a formula; invalid for an empty cell.
    QVariant value() const { return m_value; }
    Format format() const { return m_format; }
    bool hasFormula() const { return m_formula.isValid(); }
    CellFormula formula() const { return m_formula; }
    bool isDateTime() const;
    QDateTime dateTime() const;

private:
    friend class Worksheet;

    int m_row = 0;
    int m_column = 0;
    CellType m_type = EmptyType;
    QVariant m_value;
    Format m_format;
    CellFormula m_formula;
};

} // namespace Xlsx
