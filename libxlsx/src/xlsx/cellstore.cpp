#include "xlsx/cellstore.h"

#include "xlsx/cellreference.h"
#include "xlsx/partcopier.h"
#include "xlsx/partreader.h"
#include "xlsx/xmlscanner.h"
#include "xlsx/xmledit.h"
#include "xlsx/xmltext.h"

#include <algorithm>
#include <cmath>

namespace Xlsx {

namespace {

bool isIntegerText(const QString &text)
{
    const int n = text.size();
    if (n == 0 || n > 20)
        return false;
    for (int i = 0; i < n; ++i) {
        const ushort u = text[i].unicode();
        if (!(u >= '0' && u <= '9') && !(i == 0 && u == '-' && n > 1))
            return false;
    }
    return true;
}

QString cellName(int row, int column)
{
    return CellReference(row, column).toString();
}

// The first of the cells (ordered by column) at or after the column.
template <typename Cells>
auto columnAt(Cells &cells, int column)
{
    return std::lower_bound(cells.begin(), cells.end(), column,
                            [](const CellStore::Cell &c, int col) { return c.column < col; });
}

// Rows up to this many cells take a cell out of order by moving the ones after it.
constexpr size_t smallRow = 16;

} // namespace

CellStore::Cell &CellStore::place(Row &row, const Cell &cell)
{
    std::vector<Cell> &cells = row.cells;
    if (row.unordered) {
        const auto known = row.unordered->constFind(cell.column);
        if (known != row.unordered->constEnd())
            return cells[size_t(known.value())] = cell;
        row.unordered->insert(cell.column, int(cells.size()));
        cells.push_back(cell);
        return cells.back();
    }
    if (cells.empty() || cells.back().column < cell.column) {
        cells.push_back(cell);
        return cells.back();
    }
    const auto at = columnAt(cells, cell.column);
    if (at != cells.end() && at->column == cell.column) {
        *at = cell;
        return *at;
    }
    if (cells.size() < smallRow)
        return *cells.insert(at, cell);
    // Cells written right to left or at random: appended, found by column, ordered later.
    row.unordered.reset(new QHash<int, int>);
    row.unordered->reserve(int(cells.size()) * 2);
    for (size_t i = 0; i < cells.size(); ++i)
        row.unordered->insert(cells[i].column, int(i));
    return place(row, cell);
}

const std::vector<CellStore::Cell> &CellStore::ordered(const Row &row)
{
    if (row.unordered) {
        std::sort(row.cells.begin(), row.cells.end(), [](const Cell &a, const Cell &b) { return a.column < b.column; });
        row.unordered.reset();
    }
    return row.cells;
}

namespace {

// What a row takes once read besides its cells (its node, its fields, its cells' allocation), and
// a text or formula besides its characters.
constexpr qint64 RowCost = 128;
constexpr qint64 TextCost = 32;
constexpr qint64 FormulaCost = 64;

} // namespace

bool CellStore::parse(XmlScanner &scanner, int sharedStrings, qint64 *keptLeft, QString *error)
{
    int rowNumber = 0;
    for (;;) {
        const XmlScanner::Token token = scanner.next();
        if (token == XmlScanner::EndElement) {
            *keptLeft -= m_kept;
            return true;
        }
        if (token == XmlScanner::Invalid || token == XmlScanner::EndOfData)
            break;
        if (token != XmlScanner::StartElement)
            continue;
        if (!scanner.isNamed("row")) {
            if (!scanner.skipElement())
                break;
            continue;
        }
        int number = rowNumber + 1;
        const XmlScanner::Attribute *r = scanner.find("r");
        QString rText;
        if (r) {
            if (!scanner.value(*r, &rText))
                break;
            bool ok = false;
            number = rText.toInt(&ok);
            if (!ok)
                number = 0;
        }
        if (number < 1 || number > CellReference::MaxRow) {
            *error = QStringLiteral("row number %1 lies outside the sheet").arg(r ? rText : QString::number(number));
            return false;
        }
        rowNumber = number;
        if (!parseRow(scanner, number, sharedStrings, error)) {
            if (error->isEmpty())
                break;
            return false;
        }
        if (m_kept > *keptLeft) {
            *error = QStringLiteral("the workbook's sheets hold more rows and cells than the %1 MiB they may take once read")
                         .arg(MaxKeptBytes >> 20);
            return false;
        }
    }
    *error = scanner.errorString();
    return false;
}

bool CellStore::parseRow(XmlScanner &scanner, int rowNumber, int sharedStrings, QString *error)
{
    const qint64 rowStart = scanner.tokenStart();
    const bool numbered = scanner.find("r") != nullptr;
    const auto [position, inserted] = m_rows.try_emplace(rowNumber);
    Row &row = position->second;
    row.attributes.clear();
    for (int i = 0; i < scanner.attributeCount(); ++i) {
        const XmlScanner::Attribute &attribute = scanner.attribute(i);
        const QByteArray name = QByteArray::fromRawData(attribute.name, attribute.nameSize);
        if (name == "r" || name == "spans")
            continue;
        QString value;
        if (!scanner.value(attribute, &value))
            return false;
        row.attributes.append({QString::fromUtf8(name), value});
    }
    int lastColumn = 0;
    bool ordered = true;
    m_rowCells.clear();
    while (scanner.nextChild()) {
        if (!scanner.isNamed("c")) {
            if (!scanner.skipElement())
                return false;
            continue;
        }
        const int before = lastColumn;
        if (!parseCell(scanner, m_rowCells, rowNumber, &lastColumn, sharedStrings, error))
            return false;
        ordered = ordered && lastColumn > before;
    }
    if (scanner.token() != XmlScanner::EndElement)
        return false;
    if (!inserted) {
        // A row given twice: only the cells of its first element stand in its text.
        for (Cell &cell : m_rowCells)
            cell.original = false;
    }
    const size_t cellsBefore = row.cells.size();
    if (row.cells.empty() && ordered) {
        row.cells.assign(m_rowCells.begin(), m_rowCells.end()); // no room to spare
    } else {
        for (const Cell &cell : m_rowCells)
            place(row, cell);
    }
    m_kept += (inserted ? RowCost : 0) + qint64((row.cells.size() - cellsBefore) * sizeof(Cell));
    if (inserted) {
        row.source = rowStart;
        row.sourceLength = int(scanner.tokenEnd() - rowStart);
    }
    // Rewritten from its cells when its numbers or order were implicit or wrong.
    row.whole = inserted && numbered && ordered;
    return true;
}

// What a cell element holds besides its attributes.
struct CellStore::CellContent
{
    QString value; // text of <v>
    bool hasValue = false;
    QString inlineText; // text of <is>
    Formula formula;
    bool hasFormula = false;
};

enum class CellStore::TypeName : quint8 { Number, SharedString, Boolean, Error, Text, IsoDate, InlineString };

CellStore::TypeName CellStore::typeName(const XmlScanner &scanner)
{
    const XmlScanner::Attribute *t = scanner.find("t");
    const QByteArray type = t ? QByteArray::fromRawData(t->value, t->valueSize) : QByteArray();
    if (type == "s")
        return TypeName::SharedString;
    if (type == "b")
        return TypeName::Boolean;
    if (type == "e")
        return TypeName::Error;
    if (type == "str")
        return TypeName::Text;
    if (type == "d")
        return TypeName::IsoDate;
    if (type == "inlineStr")
        return TypeName::InlineString;
    return TypeName::Number;
}

bool CellStore::parseCell(XmlScanner &scanner, std::vector<Cell> &cells, int rowNumber, int *lastColumn,
                          int sharedStrings, QString *error)
{
    // The attributes are read before the content moves the scanner on.
    const bool referenced = scanner.find("r") != nullptr;
    const TypeName type = typeName(scanner);
    Cell cell;
    CellContent content;
    if (!readCellPlace(scanner, rowNumber, *lastColumn, &cell, error) || !readCellContent(scanner, &content)
        || !setCellValue(type, content, rowNumber, &cell, sharedStrings, error))
        return false;
    if (content.hasFormula)
        cell.formula = addReadFormula(content.formula, rowNumber, cell.column);
    cell.original = referenced;
    cells.push_back(cell);
    *lastColumn = cell.column;
    return true;
}

bool CellStore::readCellPlace(XmlScanner &scanner, int rowNumber, int lastColumn, Cell *cell, QString *error)
{
    const XmlScanner::Attribute *r = scanner.find("r");
    if (!r) {
        cell->column = lastColumn + 1;
    } else {
        const CellReference position(QLatin1String(r->value, r->valueSize));
        if (!position.isValid() || position.row() != rowNumber) {
            QString reference;
            scanner.value(*r, &reference);
            *error = QStringLiteral("cell reference \"%1\" does not belong to row %2").arg(reference).arg(rowNumber);
            return false;
        }
        cell->column = position.column();
    }
    if (cell->column > CellReference::MaxColumn) {
        *error = QStringLiteral("row %1 has more cells than a sheet holds").arg(rowNumber);
        return false;
    }
    const XmlScanner::Attribute *s = scanner.find("s");
    if (s && s->valueSize > 0) {
        bool ok = false;
        cell->style = QByteArray::fromRawData(s->value, s->valueSize).toInt(&ok);
        if (!ok || cell->style < 0) {
            *error = QStringLiteral("cell %1 has the style \"%2\"")
                         .arg(cellName(rowNumber, cell->column), QString::fromUtf8(s->value, s->valueSize));
            return false;
        }
    }
    return true;
}

bool CellStore::readCellContent(XmlScanner &scanner, CellContent *content)
{
    while (scanner.nextChild()) {
        if (scanner.isNamed("v")) {
            if (!scanner.readElementText(&content->value))
                return false;
            content->hasValue = true;
        } else if (scanner.isNamed("f")) {
            if (!readFormula(scanner, &content->formula))
                return false;
            content->hasFormula = true;
        } else if (scanner.isNamed("is")) {
            if (!PartReader::readText(scanner, content->inlineText))
                return false;
            content->hasValue = true;
        } else if (!scanner.skipElement()) {
            return false;
        }
    }
    return scanner.token() == XmlScanner::EndElement;
}

bool CellStore::readFormula(XmlScanner &scanner, Formula *formula)
{
    const XmlScanner::Attribute *formulaType = scanner.find("t");
    const QByteArray typeName =
        formulaType ? QByteArray::fromRawData(formulaType->value, formulaType->valueSize) : QByteArray();
    formula->type = typeName == "shared" ? CellFormula::SharedType
        : typeName == "array"            ? CellFormula::ArrayType
                                         : CellFormula::NormalType;
    QString text;
    if (const XmlScanner::Attribute *ref = scanner.find("ref")) {
        if (!scanner.value(*ref, &text))
            return false;
        formula->reference = CellRange(text);
    }
    formula->sharedIndex = -1;
    if (const XmlScanner::Attribute *si = scanner.find("si")) {
        bool ok = false;
        const int sharedIndex = QByteArray::fromRawData(si->value, si->valueSize).toInt(&ok);
        formula->sharedIndex = ok ? sharedIndex : -1;
    }
    return scanner.readElementText(&formula->text);
}

bool CellStore::setCellValue(TypeName type, const CellContent &content, int rowNumber, Cell *cell,
                             int sharedStrings, QString *error)
{
    const QString &value = content.value;
    if (type == TypeName::SharedString) {
        if (content.hasValue) {
            bool ok = false;
            cell->index = value.trimmed().toInt(&ok);
            if (!ok || cell->index < 0 || cell->index >= sharedStrings) {
                *error = QStringLiteral("cell %1 refers to shared string \"%2\", which the table lacks")
                             .arg(cellName(rowNumber, cell->column), value);
                return false;
            }
            cell->kind = Kind::SharedString;
        }
    } else if (type == TypeName::Boolean) {
        if (content.hasValue) {
            cell->kind = Kind::Boolean;
            cell->boolean = XmlText::isTrue(value.trimmed());
        }
    } else if (type == TypeName::Error || type == TypeName::Text || type == TypeName::IsoDate) {
        if (content.hasValue) {
            cell->kind = type == TypeName::Error ? Kind::Error : type == TypeName::IsoDate ? Kind::IsoDate : Kind::Text;
            cell->index = addText(type == TypeName::Text ? XmlText::decodeEscapes(value) : value);
            m_kept += TextCost + 2 * qint64(value.size());
        }
    } else if (type == TypeName::InlineString) {
        cell->kind = Kind::InlineText;
        cell->index = addText(XmlText::decodeEscapes(content.inlineText));
        m_kept += TextCost + 2 * qint64(content.inlineText.size());
    } else if (content.hasValue && !value.trimmed().isEmpty()) {
        return setCellNumber(value, rowNumber, cell, error);
    }
    return true;
}

bool CellStore::setCellNumber(const QString &value, int rowNumber, Cell *cell, QString *error)
{
    const QString number = value.trimmed();
    bool ok = false;
    if (isIntegerText(number))
        cell->integer = number.toLongLong(&ok);
    if (ok) {
        cell->kind = Kind::Integer;
    } else {
        cell->number = number.toDouble(&ok);
        cell->kind = Kind::Number;
        ok = ok && std::isfinite(cell->number);
    }
    if (!ok)
        *error = QStringLiteral("cell %1 holds \"%2\", which is not a number")
                     .arg(cellName(rowNumber, cell->column), value);
    return ok;
}

int CellStore::addReadFormula(const Formula &formula, int rowNumber, int column)
{
    m_kept += FormulaCost + 2 * qint64(formula.text.size());
    if (formula.type == CellFormula::SharedType && formula.sharedIndex >= 0) {
        m_nextSharedIndex = std::max(m_nextSharedIndex, formula.sharedIndex + 1);
        if (!formula.text.isEmpty())
            setSharedMaster(formula.sharedIndex, rowNumber, column);
    }
    return addFormula(formula);
}

const CellStore::Row *CellStore::findRow(int row) const
{
    // Writes go row by row: the row last written, or one past the end, is the usual question.
    if (m_last != m_rows.end() && m_last->first == row)
        return &m_last->second;
    if (m_rows.empty() || m_rows.rbegin()->first < row)
        return nullptr;
    const auto found = m_rows.find(row);
    return found == m_rows.end() ? nullptr : &found->second;
}

const CellStore::Cell *CellStore::find(int row, int column) const
{
    const Row *r = findRow(row);
    if (r && r->unordered) {
        const auto known = r->unordered->constFind(column);
        return known == r->unordered->constEnd() ? nullptr : &r->cells[size_t(known.value())];
    }
    if (!r || r->cells.empty() || r->cells.back().column < column)
        return nullptr;
    const auto at = columnAt(r->cells, column);
    return at != r->cells.end() && at->column == column ? &*at : nullptr;
}

CellStore::Cell *CellStore::find(int row, int column)
{
    return const_cast<Cell *>(static_cast<const CellStore *>(this)->find(row, column));
}

CellStore::Row &CellStore::row(int row)
{
    if (m_last != m_rows.end() && m_last->first == row)
        return m_last->second;
    if (m_rows.empty() || m_rows.rbegin()->first < row) {
        // Tables are written row by row: a new last row is likely as wide as the one before it.
        const size_t width = m_rows.empty() ? 0 : m_rows.rbegin()->second.cells.size();
        m_last = m_rows.emplace_hint(m_rows.end(), row, Row());
        m_last->second.cells.reserve(width);
        return m_last->second;
    }
    auto at = m_rows.lower_bound(row);
    if (at == m_rows.end() || at->first != row)
        at = m_rows.emplace_hint(at, row, Row());
    m_last = at;
    return at->second;
}

CellStore::Cell &CellStore::put(int rowNumber, const Cell &cell)
{
    Row &r = row(rowNumber);
    touch(r);
    return place(r, cell);
}

void CellStore::erase(int rowNumber, int column)
{
    const auto found = m_rows.find(rowNumber);
    if (found == m_rows.end())
        return;
    ordered(found->second);
    std::vector<Cell> &cells = found->second.cells;
    const auto at = columnAt(cells, column);
    if (at == cells.end() || at->column != column)
        return;
    cells.erase(at);
    touch(found->second);
}

int CellStore::addText(const QString &text)
{
    m_texts.push_back(text);
    return int(m_texts.size() - 1);
}

int CellStore::addFormula(const Formula &formula)
{
    m_formulas.push_back(formula);
    return int(m_formulas.size() - 1);
}

bool CellStore::sharedMaster(int sharedIndex, int *row, int *column) const
{
    const auto found = m_masters.constFind(sharedIndex);
    if (found == m_masters.constEnd())
        return false;
    *row = found->first;
    *column = found->second;
    return true;
}

void CellStore::setSharedMaster(int sharedIndex, int row, int column)
{
    m_masters.insert(sharedIndex, {row, column});
}

void CellStore::bounds(int *firstRow, int *firstColumn, int *lastRow, int *lastColumn) const
{
    *firstRow = *firstColumn = *lastRow = *lastColumn = 0;
    for (const auto &[number, row] : m_rows) {
        const std::vector<Cell> &cells = ordered(row);
        if (cells.empty())
            continue;
        if (*firstRow == 0)
            *firstRow = number;
        *lastRow = number;
        const int first = cells.front().column;
        const int last = cells.back().column;
        if (*firstColumn == 0 || first < *firstColumn)
            *firstColumn = first;
        if (last > *lastColumn)
            *lastColumn = last;
    }
}

qint64 CellStore::sharedStringCells() const
{
    qint64 count = 0;
    for (const auto &entry : m_rows) {
        for (const Cell &cell : entry.second.cells)
            count += cell.kind == Kind::SharedString;
    }
    return count;
}

// The tags of the cell table in the part's namespace prefix.
struct CellStore::Tags
{
    explicit Tags(const QString &prefixText)
        : prefix(prefixText.toUtf8())
        , rowOpen('<' + prefix + "row r=\"")
        , rowClose("</" + prefix + "row>")
        , cellOpen('<' + prefix + "c r=\"")
        , cellClose("</" + prefix + "c>")
        , valueOpen('<' + prefix + "v>")
        , valueClose("</" + prefix + "v>")
        , formulaOpen('<' + prefix + 'f')
        , formulaClose("</" + prefix + "f>")
    {
    }

    const QByteArray prefix;
    const QByteArray rowOpen;
    const QByteArray rowClose;
    const QByteArray cellOpen;
    const QByteArray cellClose;
    const QByteArray valueOpen;
    const QByteArray valueClose;
    const QByteArray formulaOpen;
    const QByteArray formulaClose;
};

void CellStore::write(QByteArray &out, const QString &prefixText, qint64 *sharedStringCells, PartCopier *source,
                      const std::function<void(QByteArray &)> &flush) const
{
    constexpr int flushSize = 256 * 1024;
    const Tags tags(prefixText);
    *sharedStringCells = 0;
    if (!hasRowsToWrite()) {
        out += '<' + tags.prefix + "sheetData/>";
        return;
    }
    if (flush)
        out.reserve(out.size() + flushSize + flushSize / 4);
    out += '<' + tags.prefix + "sheetData>";
    for (const auto &[number, row] : m_rows) {
        if (flush && out.size() >= flushSize)
            flush(out);
        *sharedStringCells += writeRow(out, tags, number, row, source);
    }
    out += "</" + tags.prefix + "sheetData>";
}

bool CellStore::hasRowsToWrite() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const std::pair<const int, Row> &entry) {
        return !entry.second.cells.empty() || !entry.second.attributes.isEmpty();
    });
}

qint64 CellStore::writeRow(QByteArray &out, const Tags &tags, int number, const Row &row, PartCopier *source) const
{
    if (row.whole && source && row.source >= source->position()
        && source->append(row.source, row.source + row.sourceLength, out)) {
        return std::count_if(row.cells.begin(), row.cells.end(),
                             [](const Cell &cell) { return cell.kind == Kind::SharedString; });
    }
    if (row.cells.empty() && row.attributes.isEmpty())
        return 0;
    const QHash<int, QByteArray> originals = originalCells(row, source);
    out += tags.rowOpen;
    XmlText::appendInteger(out, number);
    out += '"';
    for (const auto &attribute : row.attributes) {
        out += ' ';
        out += attribute.first.toUtf8();
        out += "=\"";
        XmlText::appendAttribute(out, attribute.second);
        out += '"';
    }
    if (row.cells.empty()) {
        out += "/>";
        return 0;
    }
    out += '>';
    qint64 strings = 0;
    for (const Cell &cell : ordered(row)) {
        strings += cell.kind == Kind::SharedString;
        const auto original = cell.original ? originals.constFind(cell.column) : originals.constEnd();
        if (original != originals.constEnd())
            out += original.value();
        else
            writeCell(out, tags, number, cell);
    }
    out += tags.rowClose;
    return strings;
}

QHash<int, QByteArray> CellStore::originalCells(const Row &row, PartCopier *source)
{
    QHash<int, QByteArray> cells;
    const bool any = std::any_of(row.cells.begin(), row.cells.end(), [](const Cell &cell) { return cell.original; });
    QByteArray text;
    if (!any || !source || row.source < source->position()
        || !source->append(row.source, row.source + row.sourceLength, text))
        return cells;
    // The row's text was read before: its cell elements, found by their references.
    XmlScanner scanner(text, 0, text.size());
    if (scanner.next() != XmlScanner::StartElement)
        return cells;
    while (scanner.nextChild()) {
        const qint64 start = scanner.tokenStart();
        const XmlScanner::Attribute *r = scanner.isNamed("c") ? scanner.find("r") : nullptr;
        const CellReference position = r ? CellReference(QLatin1String(r->value, r->valueSize)) : CellReference();
        if (!scanner.skipElement())
            break;
        if (position.isValid())
            cells.insert(position.column(), text.mid(int(start), int(scanner.tokenEnd() - start)));
    }
    return cells;
}

void CellStore::writeCell(QByteArray &out, const Tags &tags, int rowNumber, const Cell &cell) const
{
    out += tags.cellOpen;
    XmlText::appendCellName(out, rowNumber, cell.column);
    out += '"';
    if (cell.style > 0) {
        out += " s=\"";
        XmlText::appendInteger(out, cell.style);
        out += '"';
    }
    switch (cell.kind) {
    case Kind::SharedString: out += " t=\"s\""; break;
    case Kind::Boolean: out += " t=\"b\""; break;
    case Kind::Error: out += " t=\"e\""; break;
    case Kind::IsoDate: out += " t=\"d\""; break;
    case Kind::Text: out += cell.formula >= 0 ? " t=\"str\"" : " t=\"inlineStr\""; break;
    case Kind::InlineText: out += " t=\"inlineStr\""; break;
    default: break;
    }
    if (cell.kind == Kind::Blank && cell.formula < 0) {
        out += "/>";
        return;
    }
    out += '>';
    if (cell.formula >= 0)
        writeFormula(out, tags, m_formulas[size_t(cell.formula)]);
    writeValue(out, tags, cell);
    out += tags.cellClose;
}

void CellStore::writeFormula(QByteArray &out, const Tags &tags, const Formula &formula)
{
    out += tags.formulaOpen;
    if (formula.type == CellFormula::SharedType) {
        out += " t=\"shared\"";
        if (!formula.text.isEmpty() && formula.reference.isValid()) {
            out += " ref=\"";
            out += formula.reference.toString().toLatin1();
            out += '"';
        }
        out += " si=\"";
        XmlText::appendInteger(out, formula.sharedIndex);
        out += '"';
    } else if (formula.type == CellFormula::ArrayType) {
        out += " t=\"array\" ref=\"";
        out += formula.reference.toString().toLatin1();
        out += '"';
    }
    if (formula.text.isEmpty()) {
        out += "/>";
    } else {
        out += '>';
        XmlText::appendText(out, formula.text);
        out += tags.formulaClose;
    }
}

void CellStore::writeValue(QByteArray &out, const Tags &tags, const Cell &cell) const
{
    switch (cell.kind) {
    case Kind::Blank: return;
    case Kind::InlineText:
        XmlText::appendStringItem(out, tags.prefix, "is", m_texts[size_t(cell.index)]);
        return;
    case Kind::Text:
        if (cell.formula < 0) {
            XmlText::appendStringItem(out, tags.prefix, "is", m_texts[size_t(cell.index)]);
            return;
        }
        break;
    default: break;
    }
    out += tags.valueOpen;
    switch (cell.kind) {
    case Kind::Number: XmlText::appendNumber(out, cell.number); break;
    case Kind::Integer: XmlText::appendInteger(out, cell.integer); break;
    case Kind::SharedString: XmlText::appendInteger(out, cell.index); break;
    case Kind::Boolean: out += cell.boolean ? '1' : '0'; break;
    default: XmlText::appendText(out, m_texts[size_t(cell.index)]); break; // str, e and d
    }
    out += tags.valueClose;
}

} // namespace Xlsx
