#pragma once

#include "originalmodel.h"

#include <QVector>

namespace Client::Controller {

// A value derived from each row of a list model, kept with the revision of the row it came from
// so that it is used only while the row is unchanged, whether the change was announced or not.
// Rows arriving and leaving shift the values, O(rows) each; after many arrivals the values are
// dropped instead and laid out again at the next pass over every row, so that a long list
// arriving never costs rows^2. Memory: one value and one revision per row.
template<typename T>
class RowCache
{
public:
    void clear()
    {
        m_revisions.clear();
        m_values.clear();
        m_rowsShifted = 0;
    }

    // While a pass reads every row, missing values are laid out for all rows; otherwise a row
    // without a place is derived without keeping it.
    void setPassing(bool passing) { m_passing = passing; }

    // Call before rows [first, last] appear.
    void rowsArriving(int first, int last)
    {
        if (m_revisions.isEmpty() || first < 0 || first > m_revisions.size() || last < first)
            return;
        const int count = last - first + 1;
        m_rowsShifted += count;
        if (m_rowsShifted > MaxRowsShifted) {
            clear();
            return;
        }
        m_revisions.insert(first, count, 0);
        m_values.insert(first, count, T());
    }

    // Call after rows [first, last] went.
    void rowsRemoved(int first, int last)
    {
        if (first < 0 || first >= m_revisions.size() || last < first)
            return;
        const int count = qMin(last, m_revisions.size() - 1) - first + 1;
        m_revisions.remove(first, count);
        m_values.remove(first, count);
    }

    // The value of an existing row, from make(row) when it has none or its row changed since.
    template<typename Make>
    const T &value(const OriginalModel &source, int row, Make make) const
    {
        const int rows = source.rowCount();
        if (m_revisions.size() != rows) {
            if (!m_passing) {
                m_scratch = make(row);
                return m_scratch;
            }
            m_revisions.fill(0, rows);
            m_values.fill(T(), rows);
            m_rowsShifted = 0;
        }
        const quint64 revision = source.rowRevision(row);
        if (m_revisions.at(row) != revision || revision == 0) {
            m_values[row] = make(row);
            m_revisions[row] = revision;
        }
        return m_values.at(row);
    }

private:
    // Arrivals shifted since the values were laid out, past which they are dropped.
    static constexpr int MaxRowsShifted = 256;

    // Indexed by row; a revision of 0 marks a value not derived.
    mutable QVector<quint64> m_revisions;
    mutable QVector<T> m_values;
    mutable int m_rowsShifted = 0;
    bool m_passing = false;
    mutable T m_scratch{};
};

} // namespace Client::Controller
