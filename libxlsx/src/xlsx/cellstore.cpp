#include "xlsx/cellstore.h"

#include "xlsx/cellreference.h"
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

bool CellStore::parse(XmlScanner &scanner, const QByteArray &bytes, int sharedStrings, qint64 *entriesLeft,
                      QString *error)
{
    m_bytes = bytes;
    int rowNumber = 0;
    for (;;) {
        const XmlScanner::Token token = scanner.next();
        if (token == XmlScanner::EndElement) {
            *entriesLeft -= m_parsedEntries;
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
        if (m_parsedEntries > *entriesLeft) {
            *error = QStringLiteral("the workbook's sheets hold more than %1 rows and cells").arg(MaxEntries);
            return false;
        }
    }
    *error = scanner.errorString();
    return false;
}

bool CellStore::parseRow(XmlScanner &scanner, int rowNumber, int sharedStrings, QString *error)
{
    const int rowStart = scanner.tokenStart();
    const bool numbered = scanner.find("r") != nullptr;
    const auto [position, inserted] = m_rows.try_emplace(rowNumber);
    Row &row = position->second;
    const size_t cellsBefore = row.cells.size();
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
    while (scanner.nextChild()) {
        if (!scanner.isNamed("c")) {
            if (!scanner.skipElement())
                return false;
            continue;
        }
        const int before = lastColumn;
        if (!parseCell(scanner, row, rowNumber, &lastColumn, sharedStrings, error))
            return false;
        ordered = ordered && lastColumn > before;
    }
    if (scanner.token() != XmlScanner::EndElement)
        return false;
    m_parsedEntries += (inserted ? 1 : 0) + qint64(row.cells.size() - cellsBefore);
    if (inserted && numbered && ordered) {
        row.rawStart = rowStart;
        row.rawLength = scanner.tokenEnd() - rowStart;
    } else {
        row.rawStart = -1; // rewritten from its cells: numbers or order were implicit or wrong
    }
    return true;
}

namespace {

// The text of an inline string item: its <t> elements and those of its runs, phonetic runs left
// out. Runs within runs are followed by a count, not by recursion, however deep they nest.
bool readItemText(XmlScanner &scanner, QString &text)
{
    for (int runs = 0; runs >= 0;) {
        QString piece;
        if (!scanner.nextChild()) {
            if (scanner.token() != XmlScanner::EndElement)
                return false;
            --runs;
        } else if (scanner.isNamed("t")) {
            if (!scanner.readElementText(&piece))
                return false;
            text += piece;
        } else if (scanner.isNamed("r")) {
            ++runs;
        } else if (!scanner.skipElement()) {
            return false;
        }
    }
    return true;
}

} // namespace

bool CellStore::parseCell(XmlScanner &scanner, Row &row, int rowNumber, int *lastColumn, int sharedStrings,
                          QString *error)
{
    const int cellStart = scanner.tokenStart();
    const XmlScanner::Attribute *r = scanner.find("r");
    const XmlScanner::Attribute *t = scanner.find("t");
    const XmlScanner::Attribute *s = scanner.find("s");
    const QByteArray type = t ? QByteArray::fromRawData(t->value, t->valueSize) : QByteArray();

    Cell cell;
    if (!r) {
        cell.column = *lastColumn + 1;
    } else {
        const CellReference position(QLatin1String(r->value, r->valueSize));
        if (!position.isValid() || position.row() != rowNumber) {
            QString reference;
            scanner.value(*r, &reference);
            *error = QStringLiteral("cell reference \"%1\" does not belong to row %2").arg(reference).arg(rowNumber);
            return false;
        }
        cell.column = position.column();
    }
    if (cell.column > CellReference::MaxColumn) {
        *error = QStringLiteral("row %1 has more cells than a sheet holds").arg(rowNumber);
        return false;
    }
    if (s && s->valueSize > 0) {
        bool ok = false;
        cell.style = QByteArray::fromRawData(s->value, s->valueSize).toInt(&ok);
        if (!ok || cell.style < 0) {
            *error = QStringLiteral("cell %1 has the style \"%2\"")
                         .arg(cellName(rowNumber, cell.column), QString::fromUtf8(s->value, s->valueSize));
            return false;
        }
    }

    QString value;
    bool hasValue = false;
    QString inlineText;
    Formula formula;
    bool hasFormula = false;
    while (scanner.nextChild()) {
        if (scanner.isNamed("v")) {
            if (!scanner.readElementText(&value))
                return false;
            hasValue = true;
        } else if (scanner.isNamed("f")) {
            const XmlScanner::Attribute *formulaType = scanner.find("t");
            const QByteArray typeName = formulaType ? QByteArray::fromRawData(formulaType->value, formulaType->valueSize)
                                                    : QByteArray();
            formula.type = typeName == "shared" ? CellFormula::SharedType
                : typeName == "array"           ? CellFormula::ArrayType
                                                : CellFormula::NormalType;
            QString text;
            if (const XmlScanner::Attribute *ref = scanner.find("ref")) {
                if (!scanner.value(*ref, &text))
                    return false;
                formula.reference = CellRange(text);
            }
            formula.sharedIndex = -1;
            if (const XmlScanner::Attribute *si = scanner.find("si")) {
                bool ok = false;
                const int sharedIndex = QByteArray::fromRawData(si->value, si->valueSize).toInt(&ok);
                formula.sharedIndex = ok ? sharedIndex : -1;
            }
            if (!scanner.readElementText(&formula.text))
                return false;
            hasFormula = true;
        } else if (scanner.isNamed("is")) {
            if (!readItemText(scanner, inlineText))
                return false;
            hasValue = true;
        } else if (!scanner.skipElement()) {
            return false;
        }
    }
    if (scanner.token() != XmlScanner::EndElement)
        return false;
    const int cellEnd = scanner.tokenEnd();

    if (type == "s") {
        if (hasValue) {
            bool ok = false;
            cell.index = value.trimmed().toInt(&ok);
            if (!ok || cell.index < 0 || cell.index >= sharedStrings) {
                *error = QStringLiteral("cell %1 refers to shared string \"%2\", which the table lacks")
                             .arg(cellName(rowNumber, cell.column), value);
                return false;
            }
            cell.kind = Kind::SharedString;
        }
    } else if (type == "b") {
        if (hasValue) {
            cell.kind = Kind::Boolean;
            cell.boolean = XmlText::isTrue(value.trimmed());
        }
    } else if (type == "e" || type == "str" || type == "d") {
        if (hasValue) {
            cell.kind = type == "e" ? Kind::Error : type == "d" ? Kind::IsoDate : Kind::Text;
            cell.index = addText(type == "str" ? XmlText::decodeEscapes(value) : value);
        }
    } else if (type == "inlineStr") {
        cell.kind = Kind::InlineText;
        cell.index = addText(XmlText::decodeEscapes(inlineText));
    } else if (hasValue && !value.trimmed().isEmpty()) {
        const QString number = value.trimmed();
        bool ok = false;
        if (isIntegerText(number))
            cell.integer = number.toLongLong(&ok);
        if (ok) {
            cell.kind = Kind::Integer;
        } else {
            cell.number = number.toDouble(&ok);
            cell.kind = Kind::Number;
            ok = ok && std::isfinite(cell.number);
        }
        if (!ok) {
            *error = QStringLiteral("cell %1 holds \"%2\", which is not a number").arg(cellName(rowNumber, cell.column), value);
            return false;
        }
    }
    if (hasFormula) {
        if (formula.type == CellFormula::SharedType && formula.sharedIndex >= 0) {
            m_nextSharedIndex = std::max(m_nextSharedIndex, formula.sharedIndex + 1);
            if (!formula.text.isEmpty())
                setSharedMaster(formula.sharedIndex, rowNumber, cell.column);
        }
        cell.formula = addFormula(formula);
    }
    if (r) {
        cell.rawStart = cellStart;
        cell.rawLength = cellEnd - cellStart;
    }

    place(row, cell);
    *lastColumn = cell.column;
    return true;
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
        m_last = m_rows.emplace_hint(m_rows.end(), row, Row());
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

void CellStore::write(QByteArray &out, const QString &prefixText, qint64 *sharedStringCells,
                      const std::function<void(QByteArray &)> &flush) const
{
    constexpr int flushSize = 256 * 1024;
    const QByteArray prefix = prefixText.toUtf8();
    const QByteArray cellOpen = '<' + prefix + "c r=\"";
    const QByteArray cellClose = "</" + prefix + "c>";
    const QByteArray valueOpen = '<' + prefix + "v>";
    const QByteArray valueClose = "</" + prefix + "v>";
    const QByteArray formulaOpen = '<' + prefix + 'f';
    const QByteArray formulaClose = "</" + prefix + "f>";
    qint64 strings = 0;

    bool any = false;
    for (const auto &entry : m_rows) {
        if (!entry.second.cells.empty() || !entry.second.attributes.isEmpty()) {
            any = true;
            break;
        }
    }
    if (!any) {
        out += '<' + prefix + "sheetData/>";
        *sharedStringCells = 0;
        return;
    }
    out += '<' + prefix + "sheetData>";
    for (const auto &[number, row] : m_rows) {
        if (flush && out.size() >= flushSize)
            flush(out);
        if (row.rawStart >= 0) {
            out.append(m_bytes.constData() + row.rawStart, row.rawLength);
            for (const Cell &cell : row.cells)
                strings += cell.kind == Kind::SharedString;
            continue;
        }
        if (row.cells.empty() && row.attributes.isEmpty())
            continue;
        out += '<' + prefix + "row r=\"";
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
            continue;
        }
        out += '>';
        for (const Cell &cell : ordered(row)) {
            if (cell.kind == Kind::SharedString)
                ++strings;
            if (cell.rawStart >= 0) {
                out.append(m_bytes.constData() + cell.rawStart, cell.rawLength);
                continue;
            }
            out += cellOpen;
            XmlText::appendCellName(out, number, cell.column);
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
                continue;
            }
            out += '>';
            if (cell.formula >= 0) {
                const Formula &formula = m_formulas[size_t(cell.formula)];
                out += formulaOpen;
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
                    out += formulaClose;
                }
            }
            switch (cell.kind) {
            case Kind::Blank: break;
            case Kind::Number:
                out += valueOpen;
                XmlText::appendNumber(out, cell.number);
                out += valueClose;
                break;
            case Kind::Integer:
                out += valueOpen;
                XmlText::appendInteger(out, cell.integer);
                out += valueClose;
                break;
            case Kind::SharedString:
                out += valueOpen;
                XmlText::appendInteger(out, cell.index);
                out += valueClose;
                break;
            case Kind::Boolean:
                out += valueOpen;
                out += cell.boolean ? '1' : '0';
                out += valueClose;
                break;
            case Kind::Text:
                if (cell.formula >= 0) {
                    out += valueOpen;
                    XmlText::appendText(out, m_texts[size_t(cell.index)]);
                    out += valueClose;
                    break;
                }
                Q_FALLTHROUGH();
            case Kind::InlineText:
                XmlText::appendStringItem(out, prefix, "is", m_texts[size_t(cell.index)]);
                break;
            case Kind::Error:
            case Kind::IsoDate:
                out += valueOpen;
                XmlText::appendText(out, m_texts[size_t(cell.index)]);
                out += valueClose;
                break;
            }
            out += cellClose;
        }
        out += "</" + prefix + "row>";
    }
    out += "</" + prefix + "sheetData>";
    *sharedStringCells = strings;
}

} // namespace Xlsx
