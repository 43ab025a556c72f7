#include "xlsx/cellreference.h"

namespace Xlsx {

CellReference::CellReference(int row, int column)
    : m_row(row)
    , m_column(column)
{
    if (!isValid())
        m_row = m_column = 0;
}

CellReference::CellReference(const QString &reference)
{
    parse(reference);
}

CellReference::CellReference(const char *reference)
{
    parse(QString::fromUtf8(reference));
}

bool CellReference::isValid() const
{
    return m_row >= 1 && m_row <= MaxRow && m_column >= 1 && m_column <= MaxColumn;
}

QString CellReference::toString(bool rowAbsolute, bool columnAbsolute) const
{
    if (!isValid())
        return {};
    QString text;
    if (columnAbsolute)
        text += QLatin1Char('$');
    text += columnName(m_column);
    if (rowAbsolute)
        text += QLatin1Char('$');
    text += QString::number(m_row);
    return text;
}

QString CellReference::columnName(int column)
{
    if (column < 1 || column > MaxColumn)
        return {};
    QChar letters[3];
    int count = 0;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        letters[count++] = QChar('A' + rest);
        column = (column - 1) / 26;
    }
    QString name;
    for (int i = count - 1; i >= 0; --i)
        name += letters[i];
    return name;
}

int CellReference::columnNumber(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return 0;
    int column = 0;
    for (const QChar ch : letters) {
        const ushort u = ch.toUpper().unicode();
        if (u < 'A' || u > 'Z')
            return 0;
        column = column * 26 + (u - 'A' + 1);
    }
    return column <= MaxColumn ? column : 0;
}

void CellReference::parse(QStringView text)
{
    m_row = m_column = 0;
    int i = 0;
    const int n = text.size();
    if (i < n && text[i] == QLatin1Char('$'))
        ++i;
    const int lettersStart = i;
    while (i < n && text[i].isLetter() && text[i].unicode() < 128)
        ++i;
    const int column = columnNumber(text.mid(lettersStart, i - lettersStart));
    if (i < n && text[i] == QLatin1Char('$'))
        ++i;
    const int digitsStart = i;
    qint64 row = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128 && row <= MaxRow) {
        row = row * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i != n || digitsStart == n || text[digitsStart] == QLatin1Char('0') || column == 0 || row < 1
        || row > MaxRow)
        return;
    m_row = int(row);
    m_column = column;
}

} // namespace Xlsx
