#include "columnvalues.h"

#include "originalmodel.h"

namespace Client::Controller {

ColumnValues::ColumnValues(const OriginalModel &model)
    : m_model(model)
{
}

QVector<const QVector<QVariant> *> ColumnValues::prepare(const QVector<int> &roles)
{
    QVector<const QVector<QVariant> *> prepared;
    prepared.reserve(roles.size());
    for (int role : roles) {
        const QString column = m_model.roleName(role);
        if (column.isEmpty()) {
            prepared.append(nullptr);
            continue;
        }
        RowCache<QVariant> &values = m_columns[role];
        values.fillAll(m_model, [&column](const QVariantMap &row) { return row.value(column); });
        prepared.append(&values.values());
    }
    return prepared;
}

void ColumnValues::rowsArriving(int first, int last)
{
    for (RowCache<QVariant> &values : m_columns)
        values.rowsArriving(first, last);
}

void ColumnValues::rowsRemoved(int first, int last)
{
    for (RowCache<QVariant> &values : m_columns)
        values.rowsRemoved(first, last);
}

void ColumnValues::clear()
{
    m_columns.clear();
}

} // namespace Client::Controller
