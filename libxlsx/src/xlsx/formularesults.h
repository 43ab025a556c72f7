#pragma once

namespace Xlsx {

class CellStore;

// Works out the cached results of the formulas written without one (their records marked
// computed), so that a reader that does not calculate shows the right value: a sum (see
// SumFormula) over the sheet's cells, the formulas it sums worked out first. Numbers are summed;
// texts, booleans and blank cells are passed over, as spreadsheet programs do. A formula it
// cannot work out (another form, an error or a date text among the summed cells, a circular
// reference, a sum beyond what a cell holds) keeps no cached result, so that such a reader shows
// it empty rather than wrong.
// Cost: each formula walks the stored cells of the rows its ranges cover once, and once more to
// find the formulas it depends on; no recursion, whatever the depth of those dependencies.
class FormulaResults
{
public:
    static void compute(CellStore &cells);
};

} // namespace Xlsx
