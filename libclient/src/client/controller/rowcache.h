#pragma once

#include "originalmodel.h"

#include <QThread>
#include <QVector>

#include <algorithm>
#include <thread>
#include <vector>

namespace Client::Controller {

// A value derived from each row of a list model, kept with the revision of the row it came from
// so that it is used only while the row is unchanged, whether the change was announced or not.
// Rows arriving and leaving shift the values, O(rows) each; after many arrivals the values are
// dropped instead and laid out again at the next pass over every row, so that a long list
// arriving never costs rows^2. Memory: one value and one revision per row. make() derives a
// value from a row's map; fillAll() runs it on several threads, so it must only read the map.
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

    // The value of an existing row, from make(values) when it has none or its row changed since.
    template<typename Make>
    const T &value(const OriginalModel &source, int row, Make make) const
    {
        const int rows = source.rowCount();
        if (m_revisions.size() != rows) {
            if (!m_passing) {
                m_scratch = make(source.rowValues(row));
                return m_scratch;
            }
            layOut(rows);
        }
        const quint64 revision = source.rowRevision(row);
        if (m_revisions.at(row) != revision || revision == 0) {
            m_values[row] = make(source.rowValues(row));
            m_revisions[row] = revision;
        }
        return m_values.at(row);
    }

    // Derives every missing or stale value at once, a share of the rows on each core: what a
    // pass over every row would otherwise derive one by one.
    template<typename Make>
    void fillAll(const OriginalModel &source, Make make)
    {
        const int rows = source.rowCount();
        if (m_revisions.size() != rows)
            layOut(rows);
        struct Stale
        {
            int row;
            const QVariantMap *values;
        };
        std::vector<Stale> stale;
        for (int row = 0; row < rows; ++row) {
            const quint64 revision = source.rowRevision(row);
            if (m_revisions.at(row) != revision || revision == 0) {
                stale.push_back({row, &source.rowValues(row)});
                m_revisions[row] = revision;
            }
        }
        T *values = m_values.data();
        const auto derive = [&](size_t begin, size_t end) {
            for (size_t i = begin; i < end; ++i)
                values[stale[i].row] = make(*stale[i].values);
        };
        const size_t workers = std::min<size_t>(size_t(qBound(1, QThread::idealThreadCount(), MaxThreads)),
                                                stale.size() / MinRowsPerThread);
        if (workers < 2)
            return derive(0, stale.size());
        std::vector<std::thread> threads;
        const size_t share = (stale.size() + workers - 1) / workers;
        for (size_t begin = share; begin < stale.size(); begin += share)
            threads.emplace_back(derive, begin, std::min(begin + share, stale.size()));
        derive(0, share);
        for (std::thread &thread : threads)
            thread.join();
    }

    // Derives every missing or stale value at once on this thread, make(row) reading the row by
    // its number: for values made from what other caches keep of the row.
    template<typename Make>
    void fillEach(const OriginalModel &source, Make make)
    {
        const int rows = source.rowCount();
        if (m_revisions.size() != rows)
            layOut(rows);
        for (int row = 0; row < rows; ++row) {
            const quint64 revision = source.rowRevision(row);
            if (m_revisions.at(row) != revision || revision == 0) {
                m_values[row] = make(row);
                m_revisions[row] = revision;
            }
        }
    }

    // Every row's value in row order: current after fillAll() or fillEach() until a row changes.
    const QVector<T> &values() const { return m_values; }

private:
    // Arrivals shifted since the values were laid out, past which they are dropped.
    static constexpr int MaxRowsShifted = 256;
    static constexpr int MaxThreads = 8;
    static constexpr size_t MinRowsPerThread = 2048;

    void layOut(int rows) const
    {
        m_revisions.fill(0, rows);
        m_values.fill(T(), rows);
        m_rowsShifted = 0;
    }

    // Indexed by row; a revision of 0 marks a value not derived.
    mutable QVector<quint64> m_revisions;
    mutable QVector<T> m_values;
    mutable int m_rowsShifted = 0;
    bool m_passing = false;
    mutable T m_scratch{};
};

} // namespace Client::Controller
