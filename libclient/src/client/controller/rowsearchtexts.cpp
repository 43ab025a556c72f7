#include "rowsearchtexts.h"

#include "originalmodel.h"

#include <QVarLengthArray>

namespace Client::Controller {

namespace {

// One code unit folded as QStringMatcher folds it; ASCII without a call.
inline QChar foldUnit(QChar unit)
{
    const ushort code = unit.unicode();
    if (code < 0x80)
        return code >= 'A' && code <= 'Z' ? QChar(ushort(code + ('a' - 'A'))) : unit;
    return unit.isSurrogate() ? unit : unit.toCaseFolded();
}

QChar *foldInto(const QString &text, QChar *out)
{
    for (const QChar unit : text)
        *out++ = foldUnit(unit);
    return out;
}

// Qt searches a single letter with vector instructions and a longer word by rolling hash.
bool containsAll(QStringView text, const QStringList &words)
{
    for (const QString &word : words) {
        if (text.indexOf(word) < 0)
            return false;
    }
    return true;
}

} // namespace

QString RowSearchTexts::fold(const QString &text)
{
    QString folded(text.size(), Qt::Uninitialized);
    foldInto(text, folded.data());
    return folded;
}

bool RowSearchTexts::canSearch(const QString &word)
{
    for (const QChar unit : word) {
        if (unit.unicode() == Separator || unit.isSurrogate())
            return false;
    }
    return true;
}

void RowSearchTexts::reset(const OriginalModel *source, const QStringList &columns)
{
    m_source = source;
    m_columns = columns;
    clear();
}

void RowSearchTexts::setColumns(const QStringList &columns)
{
    if (columns == m_columns)
        return;
    m_columns = columns;
    clear();
}

void RowSearchTexts::clear()
{
    m_texts.clear();
}

void RowSearchTexts::buildAll()
{
    if (m_source)
        m_texts.fillAll(*m_source, [this](const QVariantMap &values) { return textOf(values); });
}

QString RowSearchTexts::textOf(const QVariantMap &values) const
{
    // The searched columns and the row's keys are both in name order: one walk over both.
    QVarLengthArray<QString, 64> texts;
    int length = 0;
    auto value = values.cbegin();
    for (const QString &column : m_columns) {
        while (value != values.cend() && value.key() < column)
            ++value;
        if (value == values.cend())
            break;
        if (value.key() == column) {
            texts.append(value.value().toString());
            length += 1 + texts.last().size();
        }
    }
    // One allocation per row, the texts folded on the way in.
    QString text(length, Qt::Uninitialized);
    QChar *out = text.data();
    for (const QString &part : texts) {
        *out++ = QChar(Separator);
        out = foldInto(part, out);
    }
    return text;
}

bool RowSearchTexts::containsAllWords(int row, const QStringList &words) const
{
    if (!m_source || row < 0 || row >= m_source->rowCount())
        return false;
    const QString &all = m_texts.value(*m_source, row, [this](const QVariantMap &values) { return textOf(values); });
    if (all.isEmpty())
        return false;
    // Most rows lack some word in every column: one search of the whole text each rules them out.
    if (!containsAll(all, words))
        return false;
    if (words.size() == 1)
        return true;
    // The words must meet in one column.
    const QStringView view(all);
    qsizetype start = 1;
    while (start <= view.size()) {
        qsizetype end = view.indexOf(QChar(Separator), start);
        if (end < 0)
            end = view.size();
        if (containsAll(view.mid(start, end - start), words))
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace Client::Controller
