#include "xlsx/formularesults.h"

#include "xlsx/cellstore.h"
#include "xlsx/formulashifter.h"
#include "xlsx/sumformula.h"

#include <QHash>

#include <cmath>
#include <vector>

namespace Xlsx {

namespace {

enum class State : quint8 { Waiting, Visiting, Done };

struct Place
{
    int row;
    int column;
};

qint64 keyOf(int row, int column)
{
    return (qint64(row) << 16) | column;
}

// What a cell gives to a sum.
enum class Part : quint8 { Number, Nothing, Unknown, Formula };

class Computation
{
public:
    explicit Computation(CellStore &cells)
        : m_cells(cells)
    {
    }

    void run();

private:
    bool isComputed(const CellStore::Cell &cell) const
    {
        return cell.formula >= 0 && m_cells.formula(cell.formula).computed;
    }
    // The sum the formula of the cell stands for; false when it is no such sum.
    bool parse(Place place, std::vector<CellRange> *ranges, double *constant) const;
    // Calls visit(row, cell) for every stored cell of the ranges.
    template<typename Visit>
    void forEachCell(const std::vector<CellRange> &ranges, Visit visit) const;
    Part partOf(int row, const CellStore::Cell &cell, double *number) const;
    void visit(Place place, std::vector<Place> *stack);
    void evaluate(Place place);

    CellStore &m_cells;
    QHash<qint64, State> m_states;
    QHash<qint64, bool> m_known; // whether a computed formula's result could be worked out
};

bool Computation::parse(Place place, std::vector<CellRange> *ranges, double *constant) const
{
    const CellStore::Cell *cell = m_cells.find(place.row, place.column);
    const CellStore::Formula &formula = m_cells.formula(cell->formula);
    if (!formula.text.isEmpty())
        return SumFormula::parse(formula.text, ranges, constant);
    // A later cell of a shared formula reads the first cell's formula relative to itself.
    int masterRow = 0;
    int masterColumn = 0;
    if (!m_cells.sharedMaster(formula.sharedIndex, &masterRow, &masterColumn))
        return false;
    const CellStore::Cell *master = m_cells.find(masterRow, masterColumn);
    if (!master || master->formula < 0)
        return false;
    const QString text = FormulaShifter::shift(m_cells.formula(master->formula).text, place.row - masterRow,
                                               place.column - masterColumn);
    return SumFormula::parse(text, ranges, constant);
}

template<typename Visit>
void Computation::forEachCell(const std::vector<CellRange> &ranges, Visit visit) const
{
    const std::map<int, CellStore::Row> &rows = m_cells.rows();
    for (const CellRange &range : ranges) {
        for (auto it = rows.lower_bound(range.firstRow()); it != rows.end() && it->first <= range.lastRow(); ++it) {
            for (const CellStore::Cell &cell : it->second.cells) {
                if (cell.column >= range.firstColumn() && cell.column <= range.lastColumn())
                    visit(it->first, cell);
            }
        }
    }
}

Part Computation::partOf(int row, const CellStore::Cell &cell, double *number) const
{
    if (isComputed(cell)) {
        const qint64 key = keyOf(row, cell.column);
        if (m_states.value(key) != State::Done || !m_known.value(key))
            return m_states.value(key) == State::Waiting ? Part::Formula : Part::Unknown;
    }
    switch (cell.kind) {
    case CellStore::Kind::Number: *number = cell.number; return Part::Number;
    case CellStore::Kind::Integer: *number = double(cell.integer); return Part::Number;
    case CellStore::Kind::Error:
    case CellStore::Kind::IsoDate: return Part::Unknown;
    default: return Part::Nothing;
    }
}

void Computation::visit(Place place, std::vector<Place> *stack)
{
    // First visit: the formulas it sums go first; once they are done it comes up again.
    m_states.insert(keyOf(place.row, place.column), State::Visiting);
    std::vector<CellRange> ranges;
    double constant = 0;
    if (!parse(place, &ranges, &constant))
        return;
    forEachCell(ranges, [&](int row, const CellStore::Cell &cell) {
        if (isComputed(cell) && m_states.value(keyOf(row, cell.column)) == State::Waiting)
            stack->push_back({row, cell.column});
    });
}

void Computation::evaluate(Place place)
{
    const qint64 key = keyOf(place.row, place.column);
    m_states.insert(key, State::Done);
    std::vector<CellRange> ranges;
    double sum = 0;
    bool known = parse(place, &ranges, &sum);
    if (known) {
        forEachCell(ranges, [&](int row, const CellStore::Cell &cell) {
            double number = 0;
            switch (partOf(row, cell, &number)) {
            case Part::Number: sum += number; break;
            case Part::Nothing: break;
            case Part::Unknown:
            case Part::Formula: known = false; break; // a formula still waiting can only be a cycle
            }
        });
    }
    known = known && std::isfinite(sum);
    m_known.insert(key, known);
    CellStore::Cell *cell = m_cells.find(place.row, place.column);
    cell->kind = known ? CellStore::Kind::Number : CellStore::Kind::Blank;
    cell->number = known ? sum : 0;
}

void Computation::run()
{
    std::vector<Place> targets;
    for (const auto &row : m_cells.rows()) {
        for (const CellStore::Cell &cell : row.second.cells) {
            if (isComputed(cell))
                targets.push_back({row.first, cell.column});
        }
    }
    for (const Place &place : targets)
        m_states.insert(keyOf(place.row, place.column), State::Waiting);
    std::vector<Place> stack;
    for (const Place &target : targets) {
        stack.push_back(target);
        while (!stack.empty()) {
            const Place place = stack.back();
            const State state = m_states.value(keyOf(place.row, place.column));
            if (state == State::Done) {
                stack.pop_back();
            } else if (state == State::Waiting) {
                const size_t before = stack.size();
                visit(place, &stack);
                if (stack.size() == before) {
                    evaluate(place);
                    stack.pop_back();
                }
            } else {
                evaluate(place);
                stack.pop_back();
            }
        }
    }
}

} // namespace

void FormulaResults::compute(CellStore &cells)
{
    Computation(cells).run();
}

} // namespace Xlsx
