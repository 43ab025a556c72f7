#include "columnvalues.h"

#include "originalmodel.h"

namespace Client::Controller {

ColumnValues::ColumnValues(const OriginalModel &model)
    : m_model(model)
{
}

void ColumnValues::makeRoom(const QVector<int> &roles)
{
    int wanted = 0;
    for (int role : roles)
        wanted += m_columns.contains(role) || m_model.roleName(role).isEmpty() ? 0 : 1;
    while (!m_columns.isEmpty() && m_columns.size() + wanted > MaxColumns) {
        auto oldest = m_columns.end();
        for (auto it = m_columns.begin(); it != m_columns.end(); ++it) {
            if (!roles.contains(it.key()) && (oldest == m_columns.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        }
        if (oldest == m_columns.end())
            return;
        m_columns.erase(oldest);
    }
}

QVector<const QVector<QVariant> *> ColumnValues::prepare(const QVector<int> &roles)
{
    makeRoom(roles);
    QVector<const QVector<QVariant> *> prepared;
    prepared.reserve(roles.size());
    for (int role : roles) {
        const QString column = m_model.roleName(role);
        if (column.isEmpty()) {
            prepared.append(nullptr);
            continue;
        }
        Column &values = m_columns[role];
        values.lastUse = ++m_uses;
        values.values.fillAll(m_model, [&column](const QVariantMap &row) { return row.value(column); });
        prepared.append(&values.values.values());
    }
    return prepared;
}

void ColumnValues::rowsArriving(int first, int last)
{
    for (Column &column : m_columns)
        column.values.rowsArriving(first, last);
}

void ColumnValues::rowsRemoved(int first, int last)
{
    for (Column &column : m_columns)
        column.values.rowsRemoved(first, last);
}

void ColumnValues::clear()
{
    m_columns.clear();
}

} // namespace Client::Controller
