#include "xlsx/formulashifter.h"

#include "xlsx/cellreference.h"

namespace Xlsx {

namespace {

bool isNameChar(QChar ch)
{
    return ch.isLetterOrNumber() || ch == QLatin1Char('_') || ch == QLatin1Char('.') || ch == QLatin1Char('\\');
}

bool isAsciiLetter(QChar ch)
{
    const ushort u = ch.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

bool isAsciiDigit(QChar ch)
{
    const ushort u = ch.unicode();
    return u >= '0' && u <= '9';
}

// One part of a reference: "$A", "B", "$12", "7".
struct Part
{
    bool absolute = false;
    int value = 0;
    int length = 0;
};

// Takes the "$" a part may start with; returns where its letters or digits begin.
int readDollar(const QString &text, int i, Part *part)
{
    if (i < text.size() && text[i] == QLatin1Char('$')) {
        part->absolute = true;
        return i + 1;
    }
    return i;
}

Part readColumn(const QString &text, int i)
{
    Part part;
    const int start = readDollar(text, i, &part);
    int j = start;
    while (j < text.size() && isAsciiLetter(text[j]) && j - start < 4)
        ++j;
    part.value = CellReference::columnNumber(text.midRef(start, j - start));
    part.length = part.value ? j - i : 0;
    return part;
}

Part readRow(const QString &text, int i)
{
    Part part;
    const int start = readDollar(text, i, &part);
    int j = start;
    qint64 value = 0;
    while (j < text.size() && isAsciiDigit(text[j]) && value <= CellReference::MaxRow) {
        value = value * 10 + (text[j].unicode() - '0');
        ++j;
    }
    if (j == start || value < 1 || value > CellReference::MaxRow || text[start] == QLatin1Char('0'))
        return part;
    part.value = int(value);
    part.length = j - i;
    return part;
}

// The part moved, or "" when it leaves the sheet.
QString moved(const Part &part, int delta, bool column)
{
    const int value = part.absolute ? part.value : part.value + delta;
    const int limit = column ? CellReference::MaxColumn : CellReference::MaxRow;
    if (value < 1 || value > limit)
        return {};
    const QString dollar = part.absolute ? QStringLiteral("$") : QString();
    return dollar + (column ? CellReference::columnName(value) : QString::number(value));
}

// The moved parts joined, or #REF! when one of them left the sheet.
QString joined(const QString &first, QLatin1String separator, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return QStringLiteral("#REF!");
    return first + separator + second;
}

bool endsToken(const QString &text, int j)
{
    return j >= text.size() || (!isNameChar(text[j]) && text[j] != QLatin1Char('(') && text[j] != QLatin1Char('!'));
}

} // namespace

QString FormulaShifter::shift(const QString &formula, int rows, int columns)
{
    QString out;
    out.reserve(formula.size() + 8);
    const int n = formula.size();
    int i = 0;
    while (i < n) {
        const QChar ch = formula[i];
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\'')) {
            // A string literal or a quoted sheet name, doubled quotes inside.
            int j = i + 1;
            while (j < n) {
                if (formula[j] == ch) {
                    if (j + 1 < n && formula[j + 1] == ch) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out += formula.midRef(i, std::min(j + 1, n) - i);
            i = j + 1;
            continue;
        }
        if (ch == QLatin1Char('[')) {
            // Structured or external references stay as they are.
            int depth = 0;
            int j = i;
            for (; j < n; ++j) {
                if (formula[j] == QLatin1Char('['))
                    ++depth;
                else if (formula[j] == QLatin1Char(']') && --depth == 0)
                    break;
            }
            out += formula.midRef(i, std::min(j + 1, n) - i);
            i = j + 1;
            continue;
        }
        const bool tokenStart = i == 0 || !isNameChar(formula[i - 1]);
        if (tokenStart && (isAsciiLetter(ch) || ch == QLatin1Char('$') || isAsciiDigit(ch))) {
            const Part column = readColumn(formula, i);
            if (column.length) {
                const Part row = readRow(formula, i + column.length);
                const int end = i + column.length + row.length;
                if (row.length && endsToken(formula, end)) {
                    out += joined(moved(column, columns, true), QLatin1String(""), moved(row, rows, false));
                    i = end;
                    continue;
                }
                // A whole-column range such as A:C.
                if (!row.length && end < n && formula[end] == QLatin1Char(':')) {
                    const Part last = readColumn(formula, end + 1);
                    if (last.length && endsToken(formula, end + 1 + last.length)) {
                        out += joined(moved(column, columns, true), QLatin1String(":"), moved(last, columns, true));
                        i = end + 1 + last.length;
                        continue;
                    }
                }
            }
            const Part row = readRow(formula, i);
            if (row.length && i + row.length < n && formula[i + row.length] == QLatin1Char(':')) {
                // A whole-row range such as 2:5.
                const Part last = readRow(formula, i + row.length + 1);
                const int end = i + row.length + 1 + last.length;
                if (last.length && endsToken(formula, end)) {
                    out += joined(moved(row, rows, false), QLatin1String(":"), moved(last, rows, false));
                    i = end;
                    continue;
                }
            }
            // Any other name or number is copied whole.
            int j = i + 1;
            while (j < n && isNameChar(formula[j]))
                ++j;
            out += formula.midRef(i, j - i);
            i = j;
            continue;
        }
        out += ch;
        ++i;
    }
    return out;
}

} // namespace Xlsx
