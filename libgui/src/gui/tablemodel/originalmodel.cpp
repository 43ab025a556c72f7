#include "originalmodel.h"

#include "model/base/abstractmodel.h"

namespace Gui {

OriginalModel::OriginalModel(Model::AbstractModel *model, QObject *parent)
    : QAbstractTableModel(parent)
{
    setModel(model);
}

OriginalModel::~OriginalModel() = default;

void OriginalModel::setModel(Model::AbstractModel *model)
{
    m_model.reset(model);
    m_columns = m_model ? m_model->fields().keys() : QStringList();
}

int OriginalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int OriginalModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant OriginalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_rows.size()
        || index.column() >= m_columns.size())
        return QVariant();
    return m_rows.at(index.row()).value(m_columns.at(index.column()));
}

bool OriginalModel::setData(const QModelIndex &index, const QVariant &value, int)
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_columns.size())
        return false;
    m_rows[index.row()].insert(m_columns.at(index.column()), value);
    return true;
}

QVariant OriginalModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    return m_model->fields().value(m_columns.at(section)).title;
}

Qt::ItemFlags OriginalModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? QAbstractTableModel::flags(index) : Qt::NoItemFlags;
}

qint64 OriginalModel::idOf(const QVariantMap &row)
{
    return row.value(QStringLiteral("id")).toLongLong();
}

void OriginalModel::updateRows(const QVariantMap &row)
{
    const qint64 id = idOf(row);
    const auto found = m_rowById.constFind(id);
    if (found != m_rowById.cend()) {
        const int r = found.value();
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            setData(index(r, m_columns.indexOf(it.key())), it.value(), Qt::EditRole);
        if (!m_columns.isEmpty())
            emit dataChanged(index(r, 0), index(r, m_columns.size() - 1), {});
        return;
    }
    const int n = m_rows.size();
    beginInsertRows(QModelIndex(), n, n);
    m_rows.append(row);
    endInsertRows();
    m_rowById.insert(id, n);
}

bool OriginalModel::removeRowById(qint64 id)
{
    const int r = m_rowById.value(id, -1);
    if (r < 0)
        return false;
    beginRemoveRows(QModelIndex(), r, r);
    m_rows.remove(r);
    m_rowById.remove(id);
    for (auto it = m_rowById.begin(); it != m_rowById.end(); ++it) {
        if (it.value() > r)
            --it.value();
    }
    endRemoveRows();
    return true;
}

} // namespace Gui
