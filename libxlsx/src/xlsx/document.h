#pragma once

#include "xlsx/cell.h"
#include "xlsx/cellformula.h"
#include "xlsx/cellrange.h"
#include "xlsx/cellreference.h"
#include "xlsx/format.h"
#include "xlsx/worksheet.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

namespace Xlsx {

// An xlsx workbook: a new one with a single sheet, or one opened from a file (a template made
// by any spreadsheet program). Cell operations go to the current worksheet, the first one
// after opening. Saving rewrites only the parts that changed and keeps all others as they were.
class Document
{
public:
    // A new workbook with one empty sheet "Sheet1".
    Document();
    // Opens a workbook; when that fails isLoadPackage() is false and errorString() says why.
    explicit Document(const QString &fileName);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    bool isLoadPackage() const;
    QString errorString() const;
    QString filePath() const;

    QStringList sheetNames() const;
    bool selectSheet(const QString &name);
    bool selectSheet(int index);
    Worksheet *currentWorksheet() const;

    bool write(int row, int column, const QVariant &value, const Format &format = Format());
    bool write(const CellReference &cell, const QVariant &value, const Format &format = Format());
    QVariant read(int row, int column) const;
    QVariant read(const CellReference &cell) const;
    Cell cellAt(int row, int column) const;
    Cell cellAt(const CellReference &cell) const;
    // See Worksheet::writeFormula: without a result, a sum's result is worked out when saving.
    bool writeFormula(const CellReference &cell, const CellFormula &formula, const Format &format = Format(),
                      std::optional<double> result = std::nullopt);

    double rowHeight(int row) const;
    bool setRowHeight(int rowFirst, int rowLast, double height);
    double columnWidth(int column) const;
    bool setColumnWidth(int columnFirst, int columnLast, double width);
    bool mergeCells(const CellRange &range, const Format &format = Format());
    bool unmergeCells(const CellRange &range);
    CellRange dimension() const;

    // Saves to the file it was opened from (or last saved as). The file is replaced only once
    // the whole workbook is written; on failure it stays as it was.
    bool save();
    bool saveAs(const QString &fileName);

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace Xlsx
