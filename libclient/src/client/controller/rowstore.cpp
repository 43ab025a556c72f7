#include "rowstore.h"

#include <algorithm>

namespace Client::Controller {

namespace {

// A block splits in two when it grows past this; smaller blocks move less on insert, larger
// ones keep the block table short.
constexpr int MaxBlockSize = 512;

} // namespace

void StoredRow::readKeys()
{
    id = values.value(QStringLiteral("id")).toLongLong(&idValid);
    updated = values.value(QStringLiteral("dt_utc_last_update")).toLongLong();
}

const StoredRow &RowStore::at(int row) const
{
    const int block = blockOf(row);
    return m_blocks.at(block).at(row - m_starts.at(block));
}

StoredRow &RowStore::at(int row)
{
    const int block = blockOf(row);
    return m_blocks[block][row - m_starts.at(block)];
}

int RowStore::blockOf(int row) const
{
    const int hint = m_lastBlock;
    if (hint < m_blocks.size() && row >= m_starts.at(hint) && row < m_starts.at(hint) + m_blocks.at(hint).size())
        return hint;
    const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), row);
    m_lastBlock = int(it - m_starts.cbegin()) - 1;
    return m_lastBlock;
}

void RowStore::shiftStarts(int fromBlock, int delta)
{
    for (int b = fromBlock; b < m_starts.size(); ++b)
        m_starts[b] += delta;
}

void RowStore::insert(int row, StoredRow value)
{
    if (m_blocks.isEmpty()) {
        m_blocks.append(QVector<StoredRow>());
        m_blocks.last().reserve(MaxBlockSize);
        m_starts.append(0);
    }
    const int block = row == m_size ? m_blocks.size() - 1 : blockOf(row);
    QVector<StoredRow> &rows = m_blocks[block];
    rows.insert(row - m_starts.at(block), std::move(value));
    ++m_size;
    shiftStarts(block + 1, 1);
    if (rows.size() > MaxBlockSize) {
        const int half = rows.size() / 2;
        QVector<StoredRow> tail;
        tail.reserve(MaxBlockSize);
        std::move(rows.begin() + half, rows.end(), std::back_inserter(tail));
        rows.resize(half);
        m_blocks.insert(block + 1, std::move(tail));
        m_starts.insert(block + 1, m_starts.at(block) + half);
    }
}

void RowStore::remove(int row)
{
    const int block = blockOf(row);
    QVector<StoredRow> &rows = m_blocks[block];
    rows.remove(row - m_starts.at(block));
    --m_size;
    shiftStarts(block + 1, -1);
    if (rows.isEmpty()) {
        m_blocks.remove(block);
        m_starts.remove(block);
        m_lastBlock = 0;
        return;
    }
    // Folds a block that has shrunk into its successor, so removals do not leave many tiny blocks.
    if (block + 1 < m_blocks.size() && rows.size() + m_blocks.at(block + 1).size() <= MaxBlockSize / 2) {
        rows.append(m_blocks.at(block + 1));
        m_blocks.remove(block + 1);
        m_starts.remove(block + 1);
        m_lastBlock = 0;
    }
}

void RowStore::clear()
{
    m_blocks.clear();
    m_starts.clear();
    m_size = 0;
    m_lastBlock = 0;
}

int RowStore::lowerBound(qint64 id) const
{
    const auto block = std::partition_point(m_blocks.cbegin(), m_blocks.cend(),
                                            [id](const QVector<StoredRow> &rows) { return rows.last().id > id; });
    if (block == m_blocks.cend())
        return m_size;
    const auto row = std::partition_point(block->cbegin(), block->cend(),
                                          [id](const StoredRow &stored) { return stored.id > id; });
    return m_starts.at(int(block - m_blocks.cbegin())) + int(row - block->cbegin());
}

} // namespace Client::Controller
