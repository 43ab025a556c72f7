#pragma once

#include <QString>

namespace Xlsx {

// Moves the relative references of a formula by a number of rows and columns, as a shared
// formula reads in the cells after its first one. References pushed off the sheet become #REF!.
class FormulaShifter
{
public:
    static QString shift(const QString &formula, int rows, int columns);
};

} // namespace Xlsx
