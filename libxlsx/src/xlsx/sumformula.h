#pragma once

#include "xlsx/cellrange.h"

#include <QString>

#include <vector>

namespace Xlsx {

// The one formula form whose result the library works out itself: a sum over cells and ranges
// of the formula's own sheet and number constants, as report totals are written
// ("SUM(B12:B14)", "SUM($B12:E12)", "SUM(A1,C1:C9,5)"). Anything else (another function, an
// operator, a sheet or a whole column named, an empty argument) is not read.
class SumFormula
{
public:
    // False, leaving ranges and constant as they were, for any other formula.
    static bool parse(const QString &formula, std::vector<CellRange> *ranges, double *constant);
};

} // namespace Xlsx
