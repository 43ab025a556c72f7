#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <memory>

namespace Model {
class AbstractModel;
}

namespace Gui {

// The rows of a widget-side controller: one column per field of the table's catalogue, in
// ascending name order, and rows as maps in order of arrival, merged by "id".
class OriginalModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Takes ownership of the catalogue.
    explicit OriginalModel(Model::AbstractModel *model, QObject *parent = nullptr);
    ~OriginalModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    // The raw value of the cell, for the display role only.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Stores the value whatever the role; announces nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // The catalogue's title of the column.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The default flags of a cell; none for the root, as views and proxies expect of a table.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Merges one row: the listed keys of a known "id" are overwritten in place (the whole row is
    // announced as changed); an unknown "id" is appended.
    void updateRows(const QVariantMap &row);
    // Removes the row of a record; false when no row has that id.
    bool removeRowById(qint64 id);

    const QStringList &columns() const { return m_columns; }
    int column(const QString &name) const { return m_columns.indexOf(name); }
    const Model::AbstractModel *model() const { return m_model.get(); }
    // The stored values of a row; the row must exist.
    const QVariantMap &row(int row) const { return m_rows.at(row); }
    // The row of a record, -1 when there is none.
    int rowOfId(qint64 id) const { return m_rowById.value(id, -1); }

    static qint64 idOf(const QVariantMap &row);

private:
    void setModel(Model::AbstractModel *model);

    QVector<QVariantMap> m_rows;
    QHash<qint64, int> m_rowById;
    QStringList m_columns;
    std::unique_ptr<Model::AbstractModel> m_model;
};

} // namespace Gui
