#include "xlsx/worksheet.h"

#include "xlsx/package.h"
#include "xlsx/partcopier.h"
#include "xlsx/partdeflater.h"
#include "xlsx/partstream.h"

#include "xlsx/cellstore.h"
#include "xlsx/cellvalue.h"
#include "xlsx/formularesults.h"
#include "xlsx/formulashifter.h"
#include "xlsx/numberformat.h"
#include "xlsx/sharedstrings.h"
#include "xlsx/sheetlayout.h"
#include "xlsx/styles.h"
#include "xlsx/xmlattributes.h"
#include "xlsx/xmlscanner.h"
#include "xlsx/xmltext.h"

#include <QHash>

#include <cmath>

namespace Xlsx {

namespace {

constexpr double maxRowHeight = 409;
constexpr double maxColumnWidth = 255;

QString where(int row, int column)
{
    const CellReference cell(row, column);
    return cell.isValid() ? cell.toString() : QStringLiteral("(%1, %2)").arg(row).arg(column);
}

} // namespace

class Worksheet::Private
{
public:
    QString name;
    Styles *styles = nullptr;
    SharedStrings *strings = nullptr;
    bool date1904 = false;
    Package::Part source; // the part as read, read again when the sheet is saved
    SheetLayout layout;
    CellStore cells;
    bool modified = false;
    bool formulas = false;
    qint64 initialStrings = 0;
    QString error;
    QHash<qint64, int> dateStyles;

    bool fail(const QString &message)
    {
        error = message;
        return false;
    }
    int inheritedStyle(int row, int column) const;
    int dateStyle(int style, NumberFormat::Kind kind);
    void detachFormula(int row, int column);
    QVariant valueOf(const CellStore::Cell &cell) const
    {
        return CellValue::fromCell(cell, cells, *strings, styles->kindOf(cell.style < 0 ? 0 : cell.style), date1904);
    }
    bool checkRows(int first, int last);
};

int Worksheet::Private::inheritedStyle(int row, int column) const
{
    if (const CellStore::Cell *cell = cells.find(row, column))
        return cell->style;
    if (const CellStore::Row *entry = cells.findRow(row)) {
        if (!entry->attributes.isEmpty()
            && XmlText::isTrue(XmlAttributes::value(entry->attributes, QStringLiteral("customFormat")))) {
            bool ok = false;
            const int style = XmlAttributes::value(entry->attributes, QStringLiteral("s")).toInt(&ok);
            if (ok)
                return style;
        }
    }
    return layout.columnStyle(column);
}

int Worksheet::Private::dateStyle(int style, NumberFormat::Kind kind)
{
    if (styles->kindOf(style < 0 ? 0 : style) != NumberFormat::Number)
        return style;
    const qint64 key = (qint64(style + 1) << 2) | kind;
    const auto known = dateStyles.constFind(key);
    if (known != dateStyles.constEnd())
        return known.value();
    Format format = style >= 0 ? styles->format(style) : Format();
    format.setNumberFormat(kind == NumberFormat::Date ? QStringLiteral("yyyy-mm-dd")
                               : kind == NumberFormat::Time ? QStringLiteral("hh:mm:ss")
                                                            : QStringLiteral("yyyy-mm-dd hh:mm:ss"));
    const int dated = styles->indexOf(format);
    dateStyles.insert(key, dated);
    return dated;
}

void Worksheet::Private::detachFormula(int row, int column)
{
    const CellStore::Cell *cell = cells.find(row, column);
    if (!cell || cell->formula < 0)
        return;
    const CellStore::Formula master = cells.formula(cell->formula);
    int masterRow = 0;
    int masterColumn = 0;
    if (master.type != CellFormula::SharedType || master.text.isEmpty()
        || !cells.sharedMaster(master.sharedIndex, &masterRow, &masterColumn) || masterRow != row
        || masterColumn != column)
        return;
    // The other cells read this formula relative to this cell: each gets a formula of its own.
    const CellRange range = master.reference;
    for (int r = range.firstRow(); r <= range.lastRow() && range.isValid(); ++r) {
        if (!cells.findRow(r))
            continue;
        for (int c = range.firstColumn(); c <= range.lastColumn(); ++c) {
            CellStore::Cell *other = cells.find(r, c);
            if ((r == row && c == column) || !other || other->formula < 0)
                continue;
            const CellStore::Formula &formula = cells.formula(other->formula);
            if (formula.type != CellFormula::SharedType || formula.sharedIndex != master.sharedIndex
                || !formula.text.isEmpty())
                continue;
            CellStore::Formula own;
            own.text = FormulaShifter::shift(master.text, r - row, c - column);
            own.computed = master.computed;
            other->formula = cells.addFormula(own);
            other->original = false;
            cells.touch(cells.row(r));
        }
    }
    cells.removeSharedMaster(master.sharedIndex);
}

bool Worksheet::Private::checkRows(int first, int last)
{
    if (!CellReference(first, 1).isValid() || !CellReference(last, 1).isValid())
        return fail(QStringLiteral("rows %1 to %2 lie outside the sheet").arg(first).arg(last));
    return true;
}

Worksheet::Worksheet(const QString &name, Styles *styles, SharedStrings *sharedStrings, bool date1904)
    : d(new Private)
{
    d->name = name;
    d->styles = styles;
    d->strings = sharedStrings;
    d->date1904 = date1904;
}

Worksheet::~Worksheet() = default;

bool Worksheet::load(const Package::Part &part, qint64 *keptLeft, QString *error)
{
    // One pass over the part as it is decompressed: the cell table into the cells, the elements
    // around it into the layout, and of the text only where things stand.
    if (!PartStream::utf8Part(part, &d->source, error))
        return false;
    PartStream stream(d->source);
    XmlScanner scanner([&stream](char *data, qint64 size) { return stream.read(data, size); });
    const int strings = d->strings->size();
    const auto readCells = [&](QString *why) {
        if (d->cells.parse(scanner, strings, keptLeft, why))
            return true;
        if (why->isEmpty())
            *why = scanner.errorString();
        return false;
    };
    if (!d->layout.read(scanner, readCells, error)) {
        // Damaged data may read as malformed XML before the damage shows: the damage is the cause.
        if (!stream.checkRest())
            *error = QStringLiteral("the archive entry %1 is damaged").arg(part.name);
        return false;
    }
    d->initialStrings = d->cells.sharedStringCells();
    return true;
}

QString Worksheet::sheetName() const
{
    return d->name;
}

QString Worksheet::errorString() const
{
    return d->error;
}

bool Worksheet::write(int row, int column, const QVariant &value, const Format &format)
{
    if (!CellReference(row, column).isValid())
        return d->fail(QStringLiteral("cell %1 lies outside the sheet").arg(where(row, column)));
    CellStore::Cell cell;
    cell.column = column;
    NumberFormat::Kind dateKind = NumberFormat::Number;
    if (!CellValue::toCell(value, d->strings, d->date1904, &cell, &dateKind, &d->error))
        return false;
    int style = format.isNull() ? d->inheritedStyle(row, column) : d->styles->indexOf(format);
    if (dateKind != NumberFormat::Number)
        style = d->dateStyle(style, dateKind);
    cell.style = style;
    d->detachFormula(row, column);
    if (cell.kind == CellStore::Kind::Blank && style < 0)
        d->cells.erase(row, column); // nothing left to keep
    else
        d->cells.put(row, cell);
    d->modified = true;
    return true;
}

bool Worksheet::write(const CellReference &cell, const QVariant &value, const Format &format)
{
    if (!cell.isValid())
        return d->fail(QStringLiteral("not a cell reference"));
    return write(cell.row(), cell.column(), value, format);
}

QVariant Worksheet::read(int row, int column) const
{
    const CellStore::Cell *cell = d->cells.find(row, column);
    return cell ? d->valueOf(*cell) : QVariant();
}

QVariant Worksheet::read(const CellReference &cell) const
{
    return read(cell.row(), cell.column());
}

Cell Worksheet::cellAt(int row, int column) const
{
    Cell result;
    const CellStore::Cell *cell = d->cells.find(row, column);
    if (!cell)
        return result;
    result.m_row = row;
    result.m_column = column;
    switch (cell->kind) {
    case CellStore::Kind::Blank: result.m_type = Cell::EmptyType; break;
    case CellStore::Kind::Number:
    case CellStore::Kind::Integer:
    case CellStore::Kind::IsoDate: result.m_type = Cell::NumberType; break;
    case CellStore::Kind::SharedString:
    case CellStore::Kind::Text:
    case CellStore::Kind::InlineText: result.m_type = Cell::StringType; break;
    case CellStore::Kind::Boolean: result.m_type = Cell::BooleanType; break;
    case CellStore::Kind::Error: result.m_type = Cell::ErrorType; break;
    }
    result.m_value = d->valueOf(*cell);
    result.m_format = d->styles->format(cell->style < 0 ? 0 : cell->style);
    if (cell->formula >= 0) {
        const CellStore::Formula &formula = d->cells.formula(cell->formula);
        int masterRow = 0;
        int masterColumn = 0;
        if (!formula.text.isEmpty()) {
            result.m_formula = CellFormula(formula.text, formula.reference, formula.type);
        } else if (d->cells.sharedMaster(formula.sharedIndex, &masterRow, &masterColumn)) {
            const CellStore::Cell *master = d->cells.find(masterRow, masterColumn);
            if (master && master->formula >= 0)
                result.m_formula = CellFormula(FormulaShifter::shift(d->cells.formula(master->formula).text,
                                                                     row - masterRow, column - masterColumn));
        }
    }
    return result;
}

Cell Worksheet::cellAt(const CellReference &cell) const
{
    return cellAt(cell.row(), cell.column());
}

bool Worksheet::writeFormula(int row, int column, const CellFormula &formula, const Format &format,
                             std::optional<double> result)
{
    if (!CellReference(row, column).isValid())
        return d->fail(QStringLiteral("cell %1 lies outside the sheet").arg(where(row, column)));
    if (!formula.isValid())
        return d->fail(QStringLiteral("the formula for %1 is empty").arg(where(row, column)));
    if (result && !std::isfinite(*result))
        return d->fail(QStringLiteral("%1 is not a result a cell can hold").arg(*result));
    CellFormula::FormulaType type = formula.formulaType();
    const CellRange range = formula.reference();
    if (type != CellFormula::NormalType) {
        if (!range.isValid())
            return d->fail(QStringLiteral("the formula for %1 has no range").arg(where(row, column)));
        if (range.firstRow() != row || range.firstColumn() != column)
            return d->fail(QStringLiteral("the formula of range %1 belongs in its first cell, not in %2")
                               .arg(range.toString(), where(row, column)));
        if (type == CellFormula::SharedType && range.rowCount() == 1 && range.columnCount() == 1)
            type = CellFormula::NormalType;
    }
    const int masterStyle = format.isNull() ? d->inheritedStyle(row, column) : d->styles->indexOf(format);
    CellStore::Formula record;
    record.type = type;
    record.text = formula.formulaText();
    if (type != CellFormula::NormalType)
        record.reference = range;
    if (type == CellFormula::SharedType)
        record.sharedIndex = d->cells.nextSharedIndex();
    record.computed = !result;
    // A result to work out stays empty until then.
    const CellStore::Kind kind = result ? CellStore::Kind::Number : CellStore::Kind::Blank;
    const double number = result.value_or(0);

    d->detachFormula(row, column);
    CellStore::Cell master;
    master.column = column;
    master.style = masterStyle;
    master.kind = kind;
    master.number = number;
    master.formula = d->cells.addFormula(record);
    d->cells.put(row, master);

    if (type == CellFormula::SharedType) {
        d->cells.setSharedMaster(record.sharedIndex, row, column);
        CellStore::Formula later;
        later.type = CellFormula::SharedType;
        later.sharedIndex = record.sharedIndex;
        later.computed = record.computed;
        const int laterIndex = d->cells.addFormula(later);
        for (int r = range.firstRow(); r <= range.lastRow(); ++r) {
            for (int c = range.firstColumn(); c <= range.lastColumn(); ++c) {
                if (r == row && c == column)
                    continue;
                const CellStore::Cell *existing = d->cells.find(r, c);
                CellStore::Cell cell;
                cell.column = c;
                cell.style = existing || format.isNull() ? d->inheritedStyle(r, c) : masterStyle;
                cell.kind = kind;
                cell.number = number;
                cell.formula = laterIndex;
                d->detachFormula(r, c);
                d->cells.put(r, cell);
            }
        }
    }
    d->formulas = true;
    d->modified = true;
    return true;
}

bool Worksheet::writeFormula(const CellReference &cell, const CellFormula &formula, const Format &format,
                             std::optional<double> result)
{
    if (!cell.isValid())
        return d->fail(QStringLiteral("not a cell reference"));
    return writeFormula(cell.row(), cell.column(), formula, format, result);
}

double Worksheet::rowHeight(int row) const
{
    if (const CellStore::Row *entry = d->cells.findRow(row)) {
        bool ok = false;
        const double height = XmlAttributes::value(entry->attributes, QStringLiteral("ht")).toDouble(&ok);
        if (ok)
            return height;
    }
    return d->layout.defaultRowHeight();
}

bool Worksheet::setRowHeight(int rowFirst, int rowLast, double height)
{
    if (!d->checkRows(rowFirst, rowLast))
        return false;
    if (!(height >= 0 && height <= maxRowHeight))
        return d->fail(QStringLiteral("a row height of %1 points is out of range (0 to %2)").arg(height).arg(maxRowHeight));
    for (int row = std::min(rowFirst, rowLast); row <= std::max(rowFirst, rowLast); ++row) {
        CellStore::Row &entry = d->cells.row(row);
        XmlAttributes::set(entry.attributes, QStringLiteral("ht"), XmlText::numberText(height));
        XmlAttributes::set(entry.attributes, QStringLiteral("customHeight"), QStringLiteral("1"));
        d->cells.touch(entry);
    }
    d->modified = true;
    return true;
}

bool Worksheet::isRowHidden(int row) const
{
    const CellStore::Row *entry = d->cells.findRow(row);
    return entry && XmlText::isTrue(XmlAttributes::value(entry->attributes, QStringLiteral("hidden")));
}

bool Worksheet::setRowHidden(int rowFirst, int rowLast, bool hidden)
{
    if (!d->checkRows(rowFirst, rowLast))
        return false;
    for (int row = std::min(rowFirst, rowLast); row <= std::max(rowFirst, rowLast); ++row) {
        CellStore::Row &entry = d->cells.row(row);
        XmlAttributes::set(entry.attributes, QStringLiteral("hidden"), hidden ? QStringLiteral("1") : QString());
        d->cells.touch(entry);
    }
    d->modified = true;
    return true;
}

double Worksheet::columnWidth(int column) const
{
    return d->layout.columnWidth(column);
}

bool Worksheet::setColumnWidth(int columnFirst, int columnLast, double width)
{
    if (!CellReference(1, columnFirst).isValid() || !CellReference(1, columnLast).isValid())
        return d->fail(QStringLiteral("columns %1 to %2 lie outside the sheet").arg(columnFirst).arg(columnLast));
    if (!(width >= 0 && width <= maxColumnWidth))
        return d->fail(QStringLiteral("a column width of %1 is out of range (0 to %2)").arg(width).arg(maxColumnWidth));
    d->layout.setColumnWidth(std::min(columnFirst, columnLast), std::max(columnFirst, columnLast), width);
    d->modified = true;
    return true;
}

bool Worksheet::mergeCells(const CellRange &range, const Format &format)
{
    if (!range.isValid())
        return d->fail(QStringLiteral("not a cell range"));
    if (range.rowCount() == 1 && range.columnCount() == 1)
        return d->fail(QStringLiteral("a merged range needs two cells or more, %1 is one").arg(range.toString()));
    CellRange merged;
    if (d->layout.findOverlappingMerge(range, &merged))
        return d->fail(QStringLiteral("%1 overlaps the merged range %2").arg(range.toString(), merged.toString()));
    if (!format.isNull()) {
        const int style = d->styles->indexOf(format);
        for (int r = range.firstRow(); r <= range.lastRow(); ++r) {
            for (int c = range.firstColumn(); c <= range.lastColumn(); ++c) {
                if (CellStore::Cell *cell = d->cells.find(r, c)) {
                    cell->style = style;
                    cell->original = false;
                    d->cells.touch(d->cells.row(r));
                } else {
                    CellStore::Cell blank;
                    blank.column = c;
                    blank.style = style;
                    d->cells.put(r, blank);
                }
            }
        }
    }
    d->layout.addMerge(range);
    d->modified = true;
    return true;
}

bool Worksheet::unmergeCells(const CellRange &range)
{
    if (!d->layout.removeMerge(range))
        return d->fail(QStringLiteral("%1 is not a merged range").arg(range.toString()));
    d->modified = true;
    return true;
}

QList<CellRange> Worksheet::mergedCells() const
{
    return d->layout.merges().toList();
}

CellRange Worksheet::dimension() const
{
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = 0;
    int lastColumn = 0;
    d->cells.bounds(&firstRow, &firstColumn, &lastRow, &lastColumn);
    if (firstRow == 0)
        return {};
    return {firstRow, firstColumn, lastRow, lastColumn};
}

bool Worksheet::isModified() const
{
    return d->modified;
}

void Worksheet::computeFormulaResults()
{
    if (d->formulas)
        FormulaResults::compute(d->cells);
}

bool Worksheet::hasNewFormulas() const
{
    return d->formulas;
}

void Worksheet::save(PartDeflater &out, qint64 *sharedStringDelta) const
{
    // The part as read, with the cell table written row by row, compressed as it is written.
    PartCopier source(d->source);
    const PartCopier::Sink sink = [&out](const char *data, qint64 size) { out.write(data, size); };
    qint64 strings = 0;
    d->layout.write(source, sink, [&] {
        QByteArray sheetData;
        d->cells.write(sheetData, d->layout.prefix(), &strings, &source, [&out](QByteArray &piece) {
            out.write(piece);
            piece.resize(0); // keeps the buffer the table reserved
        });
        out.write(sheetData);
    }, dimension());
    *sharedStringDelta = strings - d->initialStrings;
}

} // namespace Xlsx
