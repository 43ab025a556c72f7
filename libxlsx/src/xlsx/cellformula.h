#pragma once

#include "xlsx/cellrange.h"

#include <QString>

namespace Xlsx {

// A formula as a cell holds it: its text (without "="), its kind and, for shared and array
// formulas, the range it covers.
class CellFormula
{
public:
    enum FormulaType { NormalType, ArrayType, SharedType };

    CellFormula() = default;
    CellFormula(const QString &formula, FormulaType type = NormalType);
    CellFormula(const char *formula, FormulaType type = NormalType);
    CellFormula(const QString &formula, const CellRange &reference, FormulaType type);

    FormulaType formulaType() const { return m_type; }
    QString formulaText() const { return m_text; }
    CellRange reference() const { return m_reference; }
    bool isValid() const { return !m_text.isEmpty(); }

    bool operator==(const CellFormula &other) const;
    bool operator!=(const CellFormula &other) const { return !(*this == other); }

private:
    QString m_text;
    CellRange m_reference;
    FormulaType m_type = NormalType;
};

} // namespace Xlsx
