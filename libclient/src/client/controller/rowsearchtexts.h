#pragma once

#include "rowcache.h"

#include <QString>
#include <QStringList>

namespace Client::Controller {

// The searched text of each row of a list model, so that a search reads one string per row and
// not the row's map: the searched columns' texts folded as a case-insensitive search folds them,
// each led by a separator. A row's text is built at its first search and kept until the row or
// the columns change. Memory: one string per row searched.
class RowSearchTexts
{
public:
    // Leads every column's text; a word holding it is not searched here (see canSearch).
    static constexpr char16_t Separator = 0x1f;

    // The text with each code unit case-folded alone, as QStringMatcher folds it; surrogates
    // stay as they are.
    static QString fold(const QString &text);
    // Whether a word can be matched against the folded texts: it holds no separator and no
    // surrogate (whose folding depends on its neighbours).
    static bool canSearch(const QString &word);

    // Drops every text and reads the rows of source under columns (in name order) from now on.
    void reset(const OriginalModel *source, const QStringList &columns);
    // Keeps the texts when the columns are the same as before.
    void setColumns(const QStringList &columns);
    const QStringList &columns() const { return m_columns; }
    void clear();

    // The texts of the rows: shifted and laid out as the rows come and go.
    RowCache<QString> &rows() { return m_texts; }
    // Builds the text of every row that has none or a stale one, on several threads.
    void buildAll();

    // Whether one searched column of the row holds every word; the words are folded by fold()
    // and matched case-sensitively. A row with none of the columns holds nothing.
    bool containsAllWords(int row, const QStringList &words) const;

private:
    QString textOf(const QVariantMap &values) const;

    const OriginalModel *m_source = nullptr;
    QStringList m_columns;
    RowCache<QString> m_texts;
};

} // namespace Client::Controller
