#pragma once

#include "rowstore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QSharedPointer>
#include <QStringList>

#include <memory>

namespace Model {
class AbstractModel;
class Field;
}

namespace Client::Controller {

class ColumnValues;

// The rows of one platform table as received from the server, behind every list page. Rows
// are kept in descending "id" order and upserted by id; an update older than the stored row is
// refused. Roles are the catalogue's column names in name order, numbered from 257, so QML
// delegates read a cell by column name.
class OriginalModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(qlonglong maxDtUtcLastUpdate READ getMaxDtUtcLastUpdate WRITE setMaxDtUtcLastUpdate)
    Q_PROPERTY(qlonglong limit READ limit WRITE setLimit NOTIFY limitChanged)
    Q_PROPERTY(int rowCount READ rowCount NOTIFY rowCountChanged)
    Q_PROPERTY(bool dataAtLeastLoaded READ dataAtLeastLoaded WRITE setDataAtLeastLoaded NOTIFY dataAtLeastLoadedChanged)
    Q_PROPERTY(bool isIncomplete READ isIncomplete NOTIFY isIncompleteChanged)

public:
    // The role of a column outside the catalogue; it never yields data.
    static constexpr int NoRole = Qt::UserRole;

    explicit OriginalModel(QObject *parent = nullptr);
    ~OriginalModel() override;

    // Attaches the table's catalogue and takes the roles from its columns.
    void setBaseModel(const QSharedPointer<Model::AbstractModel> &catalogue);
    QSharedPointer<Model::AbstractModel> baseModel() const { return m_catalogue; }

    // Checks the row without asking the virtual row and column counts: views and proxies ask
    // for an index at every comparison of a sort.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override;
    using QAbstractListModel::data;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void addRow(const QVariantMap &mapParams);
    Q_INVOKABLE void clear();
    Q_INVOKABLE void removeRow(int row, const QModelIndex &parent);
    Q_INVOKABLE void removeRow(int row);
    Q_INVOKABLE void delRow(const QString &id);
    Q_INVOKABLE int checkValueByRole(const QString &role, const QVariant &value) const;
    Q_INVOKABLE int checkValueByRole(const QStringList &roles, const QVariantList &values) const;
    Q_INVOKABLE int findId(const QString &id) const;
    Q_INVOKABLE QVariantMap data(int row) const;
    Q_INVOKABLE QVariant data(int row, const QString &role) const;
    Q_INVOKABLE QVariant data(const QString &parameterRole, const QString &parameter, const QString &valueRole) const;
    Q_INVOKABLE void updateValue(const QString &id, const QString &role, const QVariant &value, bool useRefresh);
    Q_INVOKABLE void updateValue(const QString &id, const QString &role, const QVariant &value);
    Q_INVOKABLE void updateValue(int row, const QString &role, const QVariant &value, bool useRefresh);
    Q_INVOKABLE void updateValue(int row, const QString &role, const QVariant &value);
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void setOneColumnRole(const QString &role);
    Q_INVOKABLE bool containsRole(const QString &role) const;
    Q_INVOKABLE QString roleTitle(const QString &role) const;
    Q_INVOKABLE QString getFieldName(const QString &role) const;
    Q_INVOKABLE qlonglong getFieldProperties(const QString &role) const;
    Q_INVOKABLE qlonglong getSeqNum(const QString &role) const;
    Q_INVOKABLE QStringList getRoleListForQml() const;
    Q_INVOKABLE qlonglong getMaxDtUtcLastUpdate() const;

    // The largest "dt_utc_last_update" seen, without the +1 of the property.
    qint64 maxDtUtcLastUpdate() const { return m_maxDtUtcLastUpdate; }
    void setMaxDtUtcLastUpdate(qlonglong value);
    qlonglong limit() const;
    void setLimit(qlonglong limit);
    bool dataAtLeastLoaded() const { return m_dataAtLeastLoaded; }
    void setDataAtLeastLoaded(bool loaded);
    // Rows that a lost connection cut off are missing until a list asked for them again ends.
    bool isIncomplete() const { return m_incomplete; }
    void setIncomplete(bool incomplete);
    // A full list is arriving into these rows, from its start to its end: the views (ProxyModel)
    // wait for its end instead of following every row. A second start before the end changes
    // nothing.
    void beginFullList();
    void endFullList();
    bool isReceivingList() const { return m_receivingList; }

    // Column name -> role number (NoRole for a name outside the catalogue) and back.
    int roleNumber(const QString &role) const { return m_roleNumbers.value(role, NoRole); }
    QString roleName(int role) const;
    const QStringList &roleList() const { return m_roleList; }
    // The stored map of a row, for readers that walk many rows; the row must exist.
    const QVariantMap &rowValues(int row) const { return m_rows.at(row).values; }
    qint64 rowId(int row) const { return m_rows.at(row).id; }
    // Grows on every change of the rows, so readers can tell whether what they derived is current.
    quint64 revision() const { return m_revision; }
    // The revision at which this row was stored or last changed, signalled or not.
    quint64 rowRevision(int row) const { return m_rows.at(row).revision; }
    // The values of single columns in row order, for passes over every row; shared by the views.
    ColumnValues &columnValues() const { return *m_columnValues; }
    // Whether, for every i, the row's value under roles[i] equals values[i] (QVariant equality).
    static bool matchesAll(const QVariantMap &row, const QStringList &roles, const QVariantList &values);
    // The first row whose values under roles, as text, equal texts; -1 when none. An index per
    // set of roles is built at the first look-up after a change, so repeated look-ups cost O(1).
    int firstRowByText(const QStringList &roles, const QStringList &texts) const;

signals:
    void rowCountChanged(int rowCount);
    void dataAtLeastLoadedChanged(bool dataAtLeastLoaded);
    void isIncompleteChanged(bool isIncomplete);
    void limitChanged(int limit);
    void fullListStarted();
    void fullListEnded();

private:
    struct Found
    {
        int row;
        bool found;
    };
    Found findRowById(const QVariant &id) const;
    // The catalogue's field of a column; null without a catalogue or for a column it lacks.
    const Model::Field *catalogueField(const QString &role) const;
    bool isRow(int row) const { return row >= 0 && row < m_rows.size(); }
    QVariant displayValue(int row) const;
    // Stores a catalogue column's value; false when nothing was stored.
    bool storeValue(int row, int role, const QVariant &value);
    void removeStoredRow(int row, const QModelIndex &parent, bool announceCount);
    void trimToLimit();

    QSharedPointer<Model::AbstractModel> m_catalogue;
    RowStore m_rows;
    QStringList m_roleList;
    QHash<QString, int> m_roleNumbers;
    QString m_oneColumnRole;
    qint64 m_maxDtUtcLastUpdate = 0;
    bool m_dataAtLeastLoaded = false;
    bool m_incomplete = false;
    bool m_receivingList = false;
    quint64 m_revision = 0;
    mutable bool m_displayRoleWarned = false;
    struct TextIndex
    {
        quint64 revision = 0;
        QHash<QString, int> rows;
    };
    // Look-up indexes by the joined names of their roles.
    mutable QHash<QString, TextIndex> m_textIndexes;
    const std::unique_ptr<ColumnValues> m_columnValues;
};

} // namespace Client::Controller
