#include "originalmodel.h"

#include "columnvalues.h"

#include "model/base/abstractmodel.h"

#include <QDebug>

namespace Client::Controller {

namespace {

const QString IdKey = QStringLiteral("id");
const QString UpdatedKey = QStringLiteral("dt_utc_last_update");

} // namespace

OriginalModel::OriginalModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_columnValues(std::make_unique<ColumnValues>(*this))
{
}

OriginalModel::~OriginalModel() = default;

void OriginalModel::setBaseModel(const QSharedPointer<Model::AbstractModel> &catalogue)
{
    beginResetModel();
    m_catalogue = catalogue;
    m_roleList = catalogue ? catalogue->fields().keys() : QStringList();
    m_roleNumbers.clear();
    for (int i = 0; i < m_roleList.size(); ++i)
        m_roleNumbers.insert(m_roleList.at(i), Qt::UserRole + 1 + i);
    m_columnValues->clear();
    ++m_revision;
    endResetModel();
}

QString OriginalModel::roleName(int role) const
{
    const int column = role - Qt::UserRole - 1;
    return column >= 0 && column < m_roleList.size() ? m_roleList.at(column) : QString();
}

QModelIndex OriginalModel::index(int row, int column, const QModelIndex &parent) const
{
    return column == 0 && !parent.isValid() && isRow(row) ? createIndex(row, 0) : QModelIndex();
}

QVariant OriginalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !isRow(index.row()))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return displayValue(index.row());
    const QString column = roleName(role);
    if (column.isEmpty())
        return QVariant();
    return m_rows.at(index.row()).values.value(column);
}

QVariant OriginalModel::displayValue(int row) const
{
    const QString table = m_catalogue ? m_catalogue->tableName() : QString();
    if (m_oneColumnRole.isEmpty() || !m_roleNumbers.contains(m_oneColumnRole)) {
        // A view asks for every cell; once per model is enough to point at the page.
        if (!m_displayRoleWarned) {
            m_displayRoleWarned = true;
            if (m_oneColumnRole.isEmpty())
                qCritical() << "One column role not setted for model" << table;
            else
                qCritical() << "One column role" << m_oneColumnRole << "not exists in model" << table;
        }
        return QVariant();
    }
    return m_rows.at(row).values.value(m_oneColumnRole);
}

bool OriginalModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_catalogue)
        return false;
    if (!index.isValid() || !isRow(index.row()) || roleName(role).isEmpty())
        return true;
    storeValue(index.row(), role, value);
    return true;
}

bool OriginalModel::storeValue(int row, int role, const QVariant &value)
{
    const QString column = roleName(role);
    if (column.isEmpty() || !isRow(row))
        return false;
    StoredRow &stored = m_rows.at(row);
    stored.values.insert(column, value);
    if (column == IdKey || column == UpdatedKey)
        stored.readKeys();
    stored.revision = ++m_revision;
    return true;
}

int OriginalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QHash<int, QByteArray> OriginalModel::roleNames() const
{
    QHash<int, QByteArray> names;
    for (int i = 0; i < m_roleList.size(); ++i)
        names.insert(Qt::UserRole + 1 + i, m_roleList.at(i).toLatin1());
    return names;
}

OriginalModel::Found OriginalModel::findRowById(const QVariant &id) const
{
    const qint64 key = id.toString().toLongLong();
    const int row = m_rows.lowerBound(key);
    if (row < m_rows.size()) {
        const StoredRow &stored = m_rows.at(row);
        if (stored.idValid && stored.id == key)
            return {row, true};
    }
    return {row, false};
}

void OriginalModel::addRow(const QVariantMap &mapParams)
{
    StoredRow incoming{mapParams};
    incoming.readKeys();
    const QVariant updated = mapParams.value(UpdatedKey);
    // An update without a time is accepted; one older than the stored row is refused.
    const bool timed = !updated.toString().isEmpty();
    if (incoming.updated > m_maxDtUtcLastUpdate)
        m_maxDtUtcLastUpdate = incoming.updated;

    const Found at = findRowById(mapParams.value(IdKey));
    if (at.found) {
        StoredRow &stored = m_rows.at(at.row);
        if (timed && incoming.updated < stored.updated)
            return;
        // Every key of the record is stored, as on insert, so no value of the row goes stale.
        bool changed = false;
        for (auto it = mapParams.cbegin(); it != mapParams.cend(); ++it) {
            const auto current = stored.values.constFind(it.key());
            if (current == stored.values.cend() || current.value() != it.value()) {
                stored.values.insert(it.key(), it.value());
                changed = true;
            }
        }
        if (!changed)
            return;
        stored.readKeys();
        stored.revision = ++m_revision;
        const QModelIndex changedIndex = index(at.row);
        emit dataChanged(changedIndex, changedIndex, {});
        return;
    }

    beginInsertRows(QModelIndex(), at.row, at.row);
    incoming.revision = ++m_revision;
    m_columnValues->rowsArriving(at.row, at.row);
    m_rows.insert(at.row, std::move(incoming));
    endInsertRows();
    emit rowCountChanged(m_rows.size());
    trimToLimit();
}

void OriginalModel::trimToLimit()
{
    const qint64 max = limit();
    if (max < 1 || m_rows.size() <= max)
        return;
    int oldest = -1;
    qint64 oldestTime = 0;
    m_rows.forEach([&](int row, const StoredRow &stored) {
        if (oldest < 0 || stored.updated < oldestTime) {
            oldest = row;
            oldestTime = stored.updated;
        }
    });
    removeStoredRow(oldest, QModelIndex(), true);
}

void OriginalModel::clear()
{
    const bool hadRows = !m_rows.isEmpty();
    beginResetModel();
    m_rows.clear();
    m_columnValues->clear();
    ++m_revision;
    endResetModel();
    // Counts bound in QML follow the reset too.
    if (hadRows)
        emit rowCountChanged(0);
}

void OriginalModel::removeStoredRow(int row, const QModelIndex &parent, bool announceCount)
{
    if (!isRow(row))
        return;
    beginRemoveRows(parent, row, row);
    m_rows.remove(row);
    m_columnValues->rowsRemoved(row, row);
    ++m_revision;
    endRemoveRows();
    if (announceCount)
        emit rowCountChanged(m_rows.size());
}

void OriginalModel::removeRow(int row, const QModelIndex &parent)
{
    removeStoredRow(row, parent, true);
}

void OriginalModel::removeRow(int row)
{
    removeStoredRow(row, QModelIndex(), true);
}

void OriginalModel::delRow(const QString &id)
{
    const Found at = findRowById(id);
    if (at.found)
        removeStoredRow(at.row, QModelIndex(), true);
}

int OriginalModel::checkValueByRole(const QString &role, const QVariant &value) const
{
    if (role == IdKey)
        return findId(value.toString());
    return checkValueByRole(QStringList{role}, QVariantList{value});
}

bool OriginalModel::matchesAll(const QVariantMap &row, const QStringList &roles, const QVariantList &values)
{
    for (int i = 0; i < roles.size(); ++i) {
        if (row.value(roles.at(i)) != values.value(i))
            return false;
    }
    return true;
}

int OriginalModel::checkValueByRole(const QStringList &roles, const QVariantList &values) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (matchesAll(m_rows.at(row).values, roles, values))
            return row;
    }
    return -1;
}

int OriginalModel::findId(const QString &id) const
{
    const Found at = findRowById(id);
    return at.found ? at.row : -1;
}

QVariantMap OriginalModel::data(int row) const
{
    return isRow(row) ? m_rows.at(row).values : QVariantMap();
}

QVariant OriginalModel::data(int row, const QString &role) const
{
    return data(index(row), roleNumber(role));
}

QVariant OriginalModel::data(const QString &parameterRole, const QString &parameter, const QString &valueRole) const
{
    const int row = firstRowByText({parameterRole}, {parameter});
    return row < 0 ? QVariant() : m_rows.at(row).values.value(valueRole);
}

int OriginalModel::firstRowByText(const QStringList &roles, const QStringList &texts) const
{
    const auto textsOf = [&roles](const QVariantMap &values) {
        QStringList parts;
        parts.reserve(roles.size());
        for (const QString &role : roles)
            parts << values.value(role).toString();
        return parts;
    };
    const QChar separator(0x1f);
    TextIndex &index = m_textIndexes[roles.join(separator)];
    if (index.revision != m_revision || m_revision == 0) {
        index.rows.clear();
        m_rows.forEach([&](int row, const StoredRow &stored) {
            const QString key = textsOf(stored.values).join(separator);
            if (!index.rows.contains(key))
                index.rows.insert(key, row);
        });
        index.revision = m_revision;
    }
    const int row = index.rows.value(texts.join(separator), -1);
    if (row < 0 || textsOf(m_rows.at(row).values) == texts)
        return row;
    // A separator inside a value made two keys alike: the rows are searched one by one.
    for (int other = 0; other < m_rows.size(); ++other) {
        if (textsOf(m_rows.at(other).values) == texts)
            return other;
    }
    return -1;
}

void OriginalModel::updateValue(const QString &id, const QString &role, const QVariant &value, bool useRefresh)
{
    const Found at = findRowById(id);
    if (at.found)
        updateValue(at.row, role, value, useRefresh);
}

void OriginalModel::updateValue(const QString &id, const QString &role, const QVariant &value)
{
    updateValue(id, role, value, true);
}

void OriginalModel::updateValue(int row, const QString &role, const QVariant &value, bool useRefresh)
{
    if (!isRow(row) || m_rows.at(row).values.value(role) == value)
        return;
    if (storeValue(row, roleNumber(role), value) && useRefresh)
        emit dataChanged(index(row), index(row), {});
}

void OriginalModel::updateValue(int row, const QString &role, const QVariant &value)
{
    updateValue(row, role, value, true);
}

void OriginalModel::refresh()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0), index(m_rows.size() - 1), {});
}

void OriginalModel::setOneColumnRole(const QString &role)
{
    m_oneColumnRole = role;
    m_displayRoleWarned = false;
}

bool OriginalModel::containsRole(const QString &role) const
{
    return m_roleNumbers.contains(role);
}

QString OriginalModel::roleTitle(const QString &role) const
{
    return getFieldName(role);
}

const Model::Field *OriginalModel::catalogueField(const QString &role) const
{
    if (!m_catalogue)
        return nullptr;
    const auto field = m_catalogue->fields().constFind(role);
    return field == m_catalogue->fields().cend() ? nullptr : &field.value();
}

QString OriginalModel::getFieldName(const QString &role) const
{
    const Model::Field *field = catalogueField(role);
    return field ? field->title : QString();
}

qlonglong OriginalModel::getFieldProperties(const QString &role) const
{
    const Model::Field *field = catalogueField(role);
    return field ? qlonglong(field->flags) : -1;
}

qlonglong OriginalModel::getSeqNum(const QString &role) const
{
    const Model::Field *field = catalogueField(role);
    return field ? qlonglong(field->serial) : -1;
}

QStringList OriginalModel::getRoleListForQml() const
{
    return m_roleList;
}

qlonglong OriginalModel::getMaxDtUtcLastUpdate() const
{
    return m_maxDtUtcLastUpdate + 1;
}

void OriginalModel::setMaxDtUtcLastUpdate(qlonglong value)
{
    m_maxDtUtcLastUpdate = value;
}

qlonglong OriginalModel::limit() const
{
    return m_catalogue ? m_catalogue->limit() : 0;
}

void OriginalModel::setLimit(qlonglong limit)
{
    if (!m_catalogue || m_catalogue->limit() == limit)
        return;
    m_catalogue->setLimit(limit);
    emit limitChanged(int(limit));
}

void OriginalModel::setDataAtLeastLoaded(bool loaded)
{
    if (m_dataAtLeastLoaded == loaded)
        return;
    m_dataAtLeastLoaded = loaded;
    emit dataAtLeastLoadedChanged(loaded);
}

void OriginalModel::setIncomplete(bool incomplete)
{
    if (m_incomplete == incomplete)
        return;
    m_incomplete = incomplete;
    emit isIncompleteChanged(incomplete);
}

void OriginalModel::beginFullList()
{
    if (m_receivingList)
        return;
    m_receivingList = true;
    emit fullListStarted();
}

void OriginalModel::endFullList()
{
    if (!m_receivingList)
        return;
    m_receivingList = false;
    emit fullListEnded();
}

} // namespace Client::Controller
