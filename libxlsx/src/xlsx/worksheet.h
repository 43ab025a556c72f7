#pragma once

#include "xlsx/cell.h"
#include "xlsx/cellformula.h"
#include "xlsx/cellrange.h"
#include "xlsx/cellreference.h"
#include "xlsx/format.h"
#include "xlsx/package.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace Xlsx {

class PartDeflater;

class SharedStrings;
class Styles;

// One worksheet of a document: cell values, formats and formulas, row heights, column widths
// and merged ranges. Rows and columns count from 1. Every write returns false and leaves the
// sheet as it was when it cannot be done; errorString() tells why.
class Worksheet
{
public:
    ~Worksheet();
    Worksheet(const Worksheet &) = delete;
    Worksheet &operator=(const Worksheet &) = delete;

    QString sheetName() const;

    // Writes text, a number, a bool, a date or time, or an empty value (a blank cell that
    // carries the format). A null format keeps the cell's present style. Text is always stored
    // as text, also when it starts with "=". NaN and infinities are refused.
    bool write(int row, int column, const QVariant &value, const Format &format = Format());
    bool write(const CellReference &cell, const QVariant &value, const Format &format = Format());
    QVariant read(int row, int column) const;
    QVariant read(const CellReference &cell) const;
    Cell cellAt(int row, int column) const;
    Cell cellAt(const CellReference &cell) const;

    // Writes a formula with its cached result. A shared formula stands in the first cell of its
    // range and is read relatively in the others, which keep their own formats; fill in a
    // format for cells of the range that do not exist yet. Viewers recalculate when they open
    // the file. Without a result, each cell's result is worked out when the sheet is saved, for
    // a sum over this sheet's cells (see FormulaResults); any other formula is saved without a
    // result, and until the save the cell reads as empty. A given result is stored as it is, in
    // every cell of a shared formula's range.
    bool writeFormula(int row, int column, const CellFormula &formula, const Format &format = Format(),
                      std::optional<double> result = std::nullopt);
    bool writeFormula(const CellReference &cell, const CellFormula &formula, const Format &format = Format(),
                      std::optional<double> result = std::nullopt);

    double rowHeight(int row) const;
    bool setRowHeight(int rowFirst, int rowLast, double height);
    bool isRowHidden(int row) const;
    bool setRowHidden(int rowFirst, int rowLast, bool hidden);
    double columnWidth(int column) const;
    bool setColumnWidth(int columnFirst, int columnLast, double width);

    bool mergeCells(const CellRange &range, const Format &format = Format());
    bool unmergeCells(const CellRange &range);
    QList<CellRange> mergedCells() const;

    // The range the sheet's cells occupy; invalid for an empty sheet.
    CellRange dimension() const;
    QString errorString() const;

private:
    friend class Document;
    class Private;

    Worksheet(const QString &name, Styles *styles, SharedStrings *sharedStrings, bool date1904);
    // Reads the part as it is decompressed; what its rows and cells take is taken from keptLeft
    // (see CellStore::parse). The part is read again when the sheet is saved.
    bool load(const Package::Part &part, qint64 *keptLeft, QString *error);
    bool isModified() const;
    // Works out the results of the formulas written without one.
    void computeFormulaResults();
    bool hasNewFormulas() const;
    // Writes the part's new text and tells the change in the number of shared string cells.
    void save(PartDeflater &out, qint64 *sharedStringDelta) const;

    std::unique_ptr<Private> d;
};

} // namespace Xlsx
