#include "xlsx/cellformula.h"

namespace Xlsx {

namespace {

QString withoutEquals(const QString &formula)
{
    const QString text = formula.trimmed();
    return text.startsWith(QLatin1Char('=')) ? text.mid(1) : text;
}

} // namespace

CellFormula::CellFormula(const QString &formula, FormulaType type)
    : m_text(withoutEquals(formula))
    , m_type(type)
{
}

CellFormula::CellFormula(const char *formula, FormulaType type)
    : CellFormula(QString::fromUtf8(formula), type)
{
}

CellFormula::CellFormula(const QString &formula, const CellRange &reference, FormulaType type)
    : m_text(withoutEquals(formula))
    , m_reference(reference)
    , m_type(type)
{
}

bool CellFormula::operator==(const CellFormula &other) const
{
    return m_text == other.m_text && m_type == other.m_type && m_reference == other.m_reference;
}

} // namespace Xlsx
