#pragma once

#include "rowcache.h"

#include <QHash>
#include <QVariant>
#include <QVector>

namespace Client::Controller {

class OriginalModel;

// The values of single columns of a list model, a vector per column in row order, each value
// kept while its row is unchanged (RowCache): a pass over every row (the hard filters, the ranks
// of a sort) reads a vector instead of looking the column up in each row's map of some 80 keys.
// A column is read from the maps once, at its first pass, and then only in the rows changed
// since; every view of the model shares it. Memory: a value and a revision per row for each of
// the last MaxColumns columns prepared (the values share their data with the rows).
class ColumnValues
{
public:
    static constexpr int MaxColumns = 8;

    explicit ColumnValues(const OriginalModel &model);

    // Brings the columns (role numbers) up to date in every row, on several threads, and gives
    // their values in row order, valid until the rows change; null for a role outside the model.
    QVector<const QVector<QVariant> *> prepare(const QVector<int> &roles);

    // Call before rows [first, last] appear and after they went; clear() when all rows went.
    void rowsArriving(int first, int last);
    void rowsRemoved(int first, int last);
    void clear();

private:
    struct Column
    {
        RowCache<QVariant> values;
        quint64 lastUse = 0;
    };
    // Drops the columns used least lately, none of roles, down to room for roles.
    void makeRoom(const QVector<int> &roles);

    const OriginalModel &m_model;
    QHash<int, Column> m_columns;
    quint64 m_uses = 0;
};

} // namespace Client::Controller
