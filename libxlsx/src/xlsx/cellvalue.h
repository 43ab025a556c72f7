#pragma once

#include "xlsx/cellstore.h"
#include "xlsx/numberformat.h"

#include <QString>
#include <QVariant>

namespace Xlsx {

class SharedStrings;

// Conversion between the values callers write and read (QVariant) and stored cells.
class CellValue
{
public:
    // Sets the kind and value of the cell; dateKind tells a date or time that needs a date
    // format. False with the reason for a value that no cell can hold.
    static bool toCell(const QVariant &value, SharedStrings *strings, bool date1904, CellStore::Cell *cell,
                       NumberFormat::Kind *dateKind, QString *error);
    // The value of a cell shown in a number format of the given kind: a date format gives
    // QDate, QDateTime or QTime.
    static QVariant fromCell(const CellStore::Cell &cell, const CellStore &cells, const SharedStrings &strings,
                             NumberFormat::Kind kind, bool date1904);
};

} // namespace Xlsx
