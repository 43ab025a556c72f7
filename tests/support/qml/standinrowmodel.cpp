#include "standinrowmodel.h"

StandinRowModel::StandinRowModel(QObject *parent)
    : QObject(parent)
{
}

void StandinRowModel::addRow(const QVariantMap &row)
{
    m_rows.append(row);
    emit rowCountChanged(m_rows.size());
}

void StandinRowModel::clear()
{
    m_rows.clear();
    emit rowCountChanged(0);
}

QVariantMap StandinRowModel::data(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : QVariantMap();
}

QVariant StandinRowModel::data(const QString &parameterRole, const QString &parameter,
                               const QString &valueRole) const
{
    for (const QVariantMap &row : m_rows) {
        if (row.value(parameterRole).toString() == parameter)
            return row.value(valueRole);
    }
    return {};
}

QString StandinRowModel::roleTitle(const QString &role) const
{
    return m_titles.value(role).toString();
}

void StandinRowModel::setRoleTitle(const QString &role, const QString &title)
{
    m_titles.insert(role, title);
}
