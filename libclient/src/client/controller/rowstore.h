#pragma once

#include <QVariantMap>
#include <QVector>

namespace Client::Controller {

// One stored record of a list model: its map and, read once, its id and update time as numbers.
struct StoredRow
{
    QVariantMap values;
    qint64 id = 0;
    qint64 updated = 0;
    // The list model's revision when the row was stored or last changed: no two versions of any
    // row share it, so whatever was derived from a row can tell whether it is still current.
    quint64 revision = 0;
    // False when "id" is no number; such a row is never found by id.
    bool idValid = false;

    // Reads id and update time again from the map.
    void readKeys();
};

// The rows of a list model in descending id order, kept in blocks of a few hundred rows: a
// row is found by number in O(log blocks) (O(1) when reading in order), and inserting or
// removing one moves one block and not the whole list.
class RowStore
{
public:
    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const StoredRow &at(int row) const;
    StoredRow &at(int row);

    void insert(int row, StoredRow value);
    void remove(int row);
    void clear();

    // The first row whose id is not greater than id (the rows descend); size() when none.
    int lowerBound(qint64 id) const;

    // Calls visit(row, storedRow) for every row in order.
    template<typename Visit>
    void forEach(Visit visit) const
    {
        int row = 0;
        for (const QVector<StoredRow> &block : m_blocks) {
            for (const StoredRow &stored : block)
                visit(row++, stored);
        }
    }

private:
    int blockOf(int row) const;
    void shiftStarts(int fromBlock, int delta);

    QVector<QVector<StoredRow>> m_blocks;
    // The number of the first row of each block.
    QVector<int> m_starts;
    int m_size = 0;
    mutable int m_lastBlock = 0;
};

} // namespace Client::Controller

Q_DECLARE_TYPEINFO(Client::Controller::StoredRow, Q_MOVABLE_TYPE);
