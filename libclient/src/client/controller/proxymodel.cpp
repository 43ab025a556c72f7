#include "proxymodel.h"

#include "originalmodel.h"

#include "model/base/abstractmodel.h"

#include <QDebug>
#include <QVarLengthArray>

#include <algorithm>

namespace Client::Controller {

namespace {

const QString DefaultGroup = QStringLiteral("default");
const QString IdRole = QStringLiteral("id");

template<typename Record, typename Predicate>
void removeWhere(QMap<qint64, Record> &records, Predicate matches)
{
    for (auto it = records.begin(); it != records.end();) {
        if (matches(it.value()))
            it = records.erase(it);
        else
            ++it;
    }
}

// Up to this many changed rows are checked one by one; a larger change refilters everything.
constexpr int RowsCheckedOnChange = 256;
// A deferred list that has brought no row for this long is shown as it stands.
constexpr int DefaultRowsPatienceMs = 3000;

} // namespace

ProxyModel::ProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    m_groups.insert(0, {DefaultGroup, QStringLiteral("and")});
    setDynamicSortFilter(false);
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, &ProxyModel::onSourceModelChanged);
    setDeferredRowsPatience(DefaultRowsPatienceMs);
    connect(&m_deferralTimer, &QTimer::timeout, this, &ProxyModel::onDeferralTimer);
}

ProxyModel::~ProxyModel() = default;

void ProxyModel::setExtendedSearch(bool extendedSearch)
{
    if (m_extendedSearch == extendedSearch)
        return;
    m_extendedSearch = extendedSearch;
    splitSearchWords();
    emit extendedSearchChanged();
    refilterUnlessPreparing();
}

void ProxyModel::setIsPrepareMode(bool isPrepareMode)
{
    m_isPrepareMode = isPrepareMode;
    emit isPrepareModeChanged(isPrepareMode);
}

void ProxyModel::setOriginalModel(OriginalModel *originalModel)
{
    endDeferral();
    m_filterFields = originalModel ? originalModel->getRoleListForQml() : QStringList();
    const bool preparing = m_isPrepareMode;
    m_isPrepareMode = true;
    applyFilterRoles();
    m_isPrepareMode = preparing;
    // The source change resets the view and filters it afresh.
    setSourceModel(originalModel);
    sortRows(IdRole, Qt::DescendingOrder);
}

void ProxyModel::onSourceModelChanged()
{
    // Deferring rows detaches the source for a while; the rows stay this view's source.
    if (m_switchingSource)
        return;
    endDeferral();
    if (m_source) {
        disconnect(m_source, &QAbstractItemModel::dataChanged, this,
                   qOverload<const QModelIndex &, const QModelIndex &, const QVector<int> &>(&ProxyModel::onDataChanged));
        disconnect(m_source, nullptr, this, SLOT(onSourceRowsMoved()));
    }
    m_source = qobject_cast<OriginalModel *>(sourceModel());
    m_compiled.valid = false;
    m_sorted = false;
    if (m_source) {
        connect(m_source, &QAbstractItemModel::dataChanged, this,
                qOverload<const QModelIndex &, const QModelIndex &, const QVector<int> &>(&ProxyModel::onDataChanged));
        // Removed rows leave the others in order; any other change may not.
        connect(m_source, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(onSourceRowsMoved()));
        connect(m_source, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)), this, SLOT(onSourceRowsMoved()));
        connect(m_source, SIGNAL(layoutChanged(QList<QPersistentModelIndex>, QAbstractItemModel::LayoutChangeHint)),
                this, SLOT(onSourceRowsMoved()));
        connect(m_source, SIGNAL(modelReset()), this, SLOT(onSourceRowsMoved()));
    }
}

void ProxyModel::deferRows()
{
    if (m_deferring || !m_source)
        return;
    m_deferring = true;
    m_switchingSource = true;
    QSortFilterProxyModel::setSourceModel(nullptr);
    m_switchingSource = false;
    connect(m_source, &QAbstractItemModel::rowsInserted, this, &ProxyModel::onDeferredRowArrived);
    m_lastDeferredRow.start();
    m_deferralTimer.start();
}

void ProxyModel::onSourceRowsMoved()
{
    m_sorted = false;
}

void ProxyModel::onDeferredRowArrived()
{
    m_lastDeferredRow.restart();
}

void ProxyModel::onDeferralTimer()
{
    // A list that stops short of its end shows the rows that came.
    if (m_lastDeferredRow.elapsed() >= m_rowsPatienceMs)
        takeRows();
}

void ProxyModel::setDeferredRowsPatience(int milliseconds)
{
    m_rowsPatienceMs = milliseconds;
    m_deferralTimer.setInterval(qMax(1, milliseconds / 3));
}

void ProxyModel::endDeferral()
{
    if (!m_deferring)
        return;
    m_deferring = false;
    m_deferralTimer.stop();
    if (m_source)
        disconnect(m_source, &QAbstractItemModel::rowsInserted, this, &ProxyModel::onDeferredRowArrived);
}

void ProxyModel::takeRows()
{
    if (!m_deferring)
        return;
    endDeferral();
    m_switchingSource = true;
    prepareSortKeys(sortRole());
    QSortFilterProxyModel::setSourceModel(m_source);
    rowCount();
    releaseSortKeys();
    m_switchingSource = false;
    // Qt maps the rows of a new source before it takes up the sort column: in source order.
    m_sorted = false;
}

void ProxyModel::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &)
{
    if (m_isPrepareMode || m_refilterPending || m_deferring || !m_source)
        return;
    // Only a row whose acceptance changed needs a refilter; it is coalesced with the refilters of
    // the other rows changed in the same pass of the event loop (a reload updates many rows).
    const int first = qMax(0, topLeft.row());
    const int last = qMin(bottomRight.row(), m_source->rowCount() - 1);
    if (last - first >= RowsCheckedOnChange) {
        scheduleRefilter();
        return;
    }
    for (int row = first; row <= last; ++row) {
        const bool accepted = filterAcceptsRow(row, QModelIndex());
        const bool shown = mapFromSource(m_source->index(row)).isValid();
        if (accepted != shown) {
            scheduleRefilter();
            return;
        }
    }
}

void ProxyModel::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    onDataChanged(topLeft, bottomRight, {});
}

void ProxyModel::scheduleRefilter()
{
    if (m_refilterPending)
        return;
    m_refilterPending = true;
    QMetaObject::invokeMethod(this, &ProxyModel::flushRefilter, Qt::QueuedConnection);
}

void ProxyModel::flushRefilter()
{
    if (m_refilterPending)
        invalidateFilter();
}

void ProxyModel::invalidateFilter()
{
    m_refilterPending = false;
    // The view is built again from every source row: Qt's own refilter moves its whole mapping
    // once per run of rows that come or go, which grows with the square of a long list. The
    // rebuild keeps the current sort, with each row's sort key read once.
    prepareSortKeys(sortRole());
    invalidate();
    rowCount();
    releaseSortKeys();
    m_sorted = sortColumn() == 0;
}

void ProxyModel::refilterUnlessPreparing()
{
    if (!m_isPrepareMode)
        invalidateFilter();
}

void ProxyModel::filtersChanged()
{
    m_compiled.valid = false;
}

void ProxyModel::splitSearchWords()
{
    // Every word is literal text; with extended search all words must occur, in any order.
    m_words.clear();
    if (m_filterPattern.isEmpty())
        return;
    const QStringList words =
        m_extendedSearch ? m_filterPattern.split(QLatin1Char(' ')) : QStringList{m_filterPattern};
    for (const QString &word : words)
        m_words.append(QStringMatcher(word, Qt::CaseInsensitive));
}

void ProxyModel::setFilterPattern(const QString &filterPattern)
{
    if (filterPattern == m_filterPattern)
        return;
    m_filterPattern = filterPattern;
    splitSearchWords();
    invalidateFilter();
    m_filterRowCount = rowCount();
    emit filterFinished();
}

void ProxyModel::setFilterFields(const QStringList &filterRoleList)
{
    m_filterFields = filterRoleList;
    // Without search words every row passes whatever is searched: the view stays as it is (a
    // table sets its columns on the first letter typed, just before the text itself).
    if (!m_words.isEmpty()) {
        applyFilterRoles();
        return;
    }
    m_filterRoles = m_filterFields;
    for (const HardFilter &filter : qAsConst(m_filters))
        m_filterRoles.removeOne(filter.role);
    filtersChanged();
}

void ProxyModel::applyFilterRoles()
{
    m_filterRoles = m_filterFields;
    for (const HardFilter &filter : qAsConst(m_filters))
        m_filterRoles.removeOne(filter.role);
    filtersChanged();
    refilterUnlessPreparing();
}

void ProxyModel::appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                      const QString &condition, const QString &group_filter_name)
{
    m_filters.insert(nextKey(m_filters), {role, condition, value, operation, group_filter_name});
    applyFilterRoles();
}

void ProxyModel::appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                      const QString &condition)
{
    appendHardFilterRole(role, operation, value, condition, DefaultGroup);
}

void ProxyModel::appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value)
{
    appendHardFilterRole(role, operation, value, QStringLiteral("and"), DefaultGroup);
}

void ProxyModel::setHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                   const QString &condition)
{
    m_filters.clear();
    appendHardFilterRole(role, operation, value, condition, DefaultGroup);
}

void ProxyModel::setHardFilterRole(const QString &role, const QString &operation, const QVariant &value)
{
    setHardFilterRole(role, operation, value, QStringLiteral("and"));
}

void ProxyModel::removeHardFilterRole(const QString &role, const QString &value)
{
    const QVariant text(value);
    removeWhere(m_filters, [&](const HardFilter &filter) { return filter.role == role && filter.value == text; });
    applyFilterRoles();
}

void ProxyModel::removeHardFilterRole(const QString &role)
{
    removeWhere(m_filters, [&](const HardFilter &filter) { return filter.role == role; });
    applyFilterRoles();
}

void ProxyModel::clearHardFilter()
{
    m_filters.clear();
    applyFilterRoles();
}

void ProxyModel::appendHardFilterGroup(const QString &group, const QString &condition)
{
    m_groups.insert(nextKey(m_groups), {group, condition});
    filtersChanged();
}

void ProxyModel::removeHardFilterGroup(const QString &group)
{
    removeWhere(m_groups, [&](const FilterGroup &record) { return record.name == group; });
    filtersChanged();
}

void ProxyModel::removeHardFilterGroupRoles(const QString &group)
{
    removeWhere(m_filters, [&](const HardFilter &filter) { return filter.group == group; });
    applyFilterRoles();
}

void ProxyModel::clearHardFilterGroup()
{
    // The "default" group stays: the filters added without a group name belong to it.
    m_groups.clear();
    m_groups.insert(0, {DefaultGroup, QStringLiteral("and")});
    filtersChanged();
}

void ProxyModel::beginPrepare()
{
    setIsPrepareMode(true);
}

void ProxyModel::endPrepare()
{
    // The rows prepared meanwhile are filtered once and put in the order last asked once.
    m_isPrepareMode = false;
    const bool sortAsked = m_sortPending;
    m_sortPending = false;
    if (m_deferring) {
        takeRows();
        sortRows(m_sortedRole, sortAsked ? m_pendingOrder : sortOrder());
    } else {
        invalidateFilter();
        if (sortAsked)
            sortRows(m_sortedRole, m_pendingOrder);
    }
    setIsPrepareMode(false);
}

ProxyModel::Join ProxyModel::joinOf(const QString &condition)
{
    if (condition == QLatin1String("and"))
        return Join::And;
    if (condition == QLatin1String("or"))
        return Join::Or;
    return Join::Invalid;
}

const ProxyModel::CompiledFilters &ProxyModel::compiled() const
{
    if (!m_compiled.valid)
        m_compiled = compile();
    return m_compiled;
}

ProxyModel::CompiledFilters ProxyModel::compile() const
{
    static const QHash<QString, Operation> operations{
        {QStringLiteral("="), Operation::Equal},          {QStringLiteral("!="), Operation::NotEqual},
        {QStringLiteral(">"), Operation::Greater},        {QStringLiteral(">="), Operation::GreaterOrEqual},
        {QStringLiteral("<"), Operation::Less},           {QStringLiteral("<="), Operation::LessOrEqual},
        {QStringLiteral("contains"), Operation::Contains}, {QStringLiteral("not_contains"), Operation::NotContains},
    };
    CompiledFilters result;
    result.valid = true;
    const QVector<FilterGroup> groups = m_groups.values().toVector();
    for (const FilterGroup &group : groups) {
        const Join join = joinOf(group.condition);
        if (join == Join::Invalid)
            qCritical() << "Invalid group expression condition:" << group.condition;
        result.groupJoins.append(join);
    }
    const Model::AbstractModel *catalogue = m_source ? m_source->baseModel().data() : nullptr;
    for (const HardFilter &filter : m_filters) {
        const auto operation = operations.constFind(filter.operation);
        if (operation == operations.cend()) {
            // A filter with an unknown operation takes no part in its group.
            qCritical() << "Invalid expression operation:" << filter.operation;
            continue;
        }
        int group = -1;
        for (int g = 0; g < groups.size() && group < 0; ++g) {
            if (groups.at(g).name == filter.group)
                group = g;
        }
        if (group < 0) {
            qWarning().noquote() << QStringLiteral("groupFilters doesn't contain value for key='%1'").arg(filter.group);
            result.missingGroup = true;
            continue;
        }
        const Common::FieldDescriptor *field =
            catalogue && m_source->containsRole(filter.role) ? catalogue->findField(filter.role) : nullptr;
        const Join join = joinOf(filter.condition);
        if (join == Join::Invalid)
            qCritical() << "Invalid group expression operation:" << filter.operation;
        result.filters.append({field ? filter.role : QString(), operation.value(),
                               field && FieldOrder::isIntegral(field->type),
                               filter.value.toString(), filter.value.toLongLong(), filter.value.toDouble(), group,
                               join});
    }
    for (const QString &role : m_filterRoles) {
        if (m_source && m_source->containsRole(role))
            result.searchColumns.append(role);
        else
            qWarning().noquote()
                << QStringLiteral("ProxyModel::filterAcceptsRow(): role '%1' not found in original model").arg(role);
    }
    std::sort(result.searchColumns.begin(), result.searchColumns.end());
    return result;
}

bool ProxyModel::matches(const CompiledFilter &filter, const QVariant &value) const
{
    switch (filter.operation) {
    case Operation::Equal:
        return value.toString() == filter.text;
    case Operation::NotEqual:
        return value.toString() != filter.text;
    case Operation::Contains:
        return value.toString().contains(filter.text, Qt::CaseInsensitive);
    case Operation::NotContains:
        return !value.toString().contains(filter.text, Qt::CaseInsensitive);
    default:
        break;
    }
    int order;
    if (filter.integral) {
        const qint64 v = value.toLongLong();
        order = v < filter.integer ? -1 : (v > filter.integer ? 1 : 0);
    } else {
        const double v = value.toDouble();
        order = v < filter.real ? -1 : (v > filter.real ? 1 : 0);
    }
    switch (filter.operation) {
    case Operation::Greater:
        return order > 0;
    case Operation::GreaterOrEqual:
        return order >= 0;
    case Operation::Less:
        return order < 0;
    default:
        return order <= 0;
    }
}

bool ProxyModel::acceptsHard(const QVariantMap &row, const CompiledFilters &filters) const
{
    struct GroupState
    {
        bool result = true;
        bool first = true;
        Join previous = Join::And;
    };
    QVarLengthArray<GroupState, 8> groups(filters.groupJoins.size());
    for (const CompiledFilter &filter : filters.filters) {
        const bool match = matches(filter, filter.column.isEmpty() ? QVariant() : row.value(filter.column));
        GroupState &group = groups[filter.group];
        // Within a group, each filter joins the one before it by that filter's condition.
        if (group.first) {
            group.result = match;
            group.first = false;
        } else if (group.previous == Join::And) {
            group.result = group.result && match;
        } else if (group.previous == Join::Or) {
            group.result = group.result || match;
        }
        group.previous = filter.join;
    }
    bool outcome = groups.isEmpty() || groups.at(0).result;
    for (int g = 1; g < groups.size(); ++g) {
        const Join join = filters.groupJoins.at(g - 1);
        if (join == Join::And)
            outcome = outcome && groups.at(g).result;
        else if (join == Join::Or)
            outcome = outcome || groups.at(g).result;
    }
    return outcome;
}

bool ProxyModel::containsAllWords(const QVariant &value) const
{
    const QString text = value.toString();
    for (const QStringMatcher &word : m_words) {
        if (word.indexIn(text) < 0)
            return false;
    }
    return true;
}

bool ProxyModel::acceptsText(const QVariantMap &row, const CompiledFilters &filters) const
{
    // The searched columns and the row's keys are both in name order: one walk over both.
    auto value = row.cbegin();
    for (const QString &column : filters.searchColumns) {
        while (value != row.cend() && value.key() < column)
            ++value;
        if (value == row.cend())
            return false;
        if (value.key() == column && containsAllWords(value.value()))
            return true;
    }
    return false;
}

bool ProxyModel::filterAcceptsRow(int source_row, const QModelIndex &source_parent) const
{
    if (!m_source || source_parent.isValid() || source_row < 0 || source_row >= m_source->rowCount())
        return false;
    const CompiledFilters &filters = compiled();
    if (filters.missingGroup)
        return false;
    const QVariantMap &row = m_source->rowValues(source_row);
    if (!filters.filters.isEmpty() && !acceptsHard(row, filters))
        return false;
    // An empty search accepts every row, whatever the searched columns.
    if (m_words.isEmpty())
        return true;
    return acceptsText(row, filters);
}

ProxyModel::SortKind ProxyModel::sortKind(int role) const
{
    return FieldOrder::kindOf(m_source->baseModel().data(), m_source->roleName(role));
}

ProxyModel::SortKey ProxyModel::sortKey(int sourceRow, SortKind kind, const QString &column) const
{
    SortKey key;
    key.id = m_source->rowId(sourceRow);
    // The id is read once per row as it is stored: the order of every view unless sorted otherwise.
    if (kind == SortKind::Integer && column == IdRole) {
        key.integer = key.id;
        return key;
    }
    const QVariant value = column.isEmpty() ? QVariant() : m_source->rowValues(sourceRow).value(column);
    switch (kind) {
    case SortKind::Integer:
        key.integer = value.toLongLong();
        break;
    case SortKind::Real:
        key.real = value.toDouble();
        break;
    case SortKind::Text:
        key.text = value.toString().toLower();
        for (int i = 0; i < 4; ++i)
            key.textPrefix = key.textPrefix << 16 | (i < key.text.size() ? key.text.at(i).unicode() : 0);
        break;
    }
    return key;
}

bool ProxyModel::keyLess(const SortKey &a, const SortKey &b, SortKind kind) const
{
    switch (kind) {
    case SortKind::Integer:
        if (a.integer != b.integer)
            return a.integer < b.integer;
        break;
    case SortKind::Real:
        if (a.real < b.real)
            return true;
        if (b.real < a.real)
            return false;
        break;
    case SortKind::Text: {
        if (a.textPrefix != b.textPrefix)
            return a.textPrefix < b.textPrefix;
        const int order = QString::compare(a.text, b.text);
        if (order != 0)
            return order < 0;
        break;
    }
    }
    // Equal sort values: the row with the smaller id first, so the order is total.
    return a.id < b.id;
}

bool ProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!m_source || !m_source->baseModel())
        return false;
    if (!m_sortKeys.isEmpty())
        return keyLess(m_sortKeys.at(left.row()), m_sortKeys.at(right.row()), m_sortKeysKind);
    const SortKind kind = sortKind(sortRole());
    const QString column = m_source->roleName(sortRole());
    return keyLess(sortKey(left.row(), kind, column), sortKey(right.row(), kind, column), kind);
}

void ProxyModel::prepareSortKeys(int role)
{
    if (!m_sortKeys.isEmpty() && m_sortKeysRole == role)
        return;
    m_sortKeys.clear();
    if (!m_source || !m_source->baseModel())
        return;
    m_sortKeysRole = role;
    m_sortKeysKind = sortKind(role);
    const QString column = m_source->roleName(role);
    const int rows = m_source->rowCount();
    m_sortKeys.resize(rows);
    for (int row = 0; row < rows; ++row)
        m_sortKeys[row] = sortKey(row, m_sortKeysKind, column);
}

void ProxyModel::sort(int column, Qt::SortOrder order)
{
    // Each row's key is read once, so the comparisons of the sort touch no row maps.
    prepareSortKeys(sortRole());
    QSortFilterProxyModel::sort(column, order);
    releaseSortKeys();
    m_sorted = column == 0;
}

void ProxyModel::releaseSortKeys()
{
    m_sortKeys.clear();
    m_sortKeys.squeeze();
}

void ProxyModel::sortRows(const QString &role, Qt::SortOrder order)
{
    if (role != m_sortedRole) {
        m_sortedRole = role;
        emit sortedRoleChanged(role);
    }
    if (m_isPrepareMode) {
        m_sortPending = true;
        m_pendingOrder = order;
        return;
    }
    takeRows();
    flushRefilter();
    emit sortStarted();
    const int number = m_source ? m_source->roleNumber(role) : OriginalModel::NoRole;
    const bool inOrder = m_sorted && number == sortRole() && order == sortOrder() && sortColumn() == 0;
    if (!inOrder) {
        if (number != sortRole()) {
            // Qt sorts again at once on a new sort role: unsorted first, that sort compares nothing.
            QSortFilterProxyModel::sort(-1, order);
            setSortRole(number);
        }
        sort(0, order);
    }
    emit sortFinished();
}

void ProxyModel::sortRows()
{
    sortRows(m_sortedRole, m_sortPending ? m_pendingOrder : sortOrder());
}

void ProxyModel::getSortedRole()
{
}

int ProxyModel::sourceRow(int proxyRow) const
{
    return mapToSource(index(proxyRow, 0)).row();
}

int ProxyModel::checkValueByRole(const QString &role, const QVariant &value) const
{
    return checkValueByRole(QStringList{role}, QVariantList{value});
}

int ProxyModel::checkValueByRole(const QStringList &roles, const QVariantList &values) const
{
    if (!m_source)
        return -1;
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        if (OriginalModel::matchesAll(m_source->rowValues(sourceRow(row)), roles, values))
            return row;
    }
    return -1;
}

QVariant ProxyModel::data(int row, const QString &role) const
{
    if (!m_source || row < 0 || row >= rowCount())
        return QVariant();
    return m_source->data(m_source->index(sourceRow(row)), m_source->roleNumber(role));
}

QVariant ProxyModel::data(const QString &parameterRole, const QString &parameter, const QString &valueRole) const
{
    if (!m_source)
        return QVariant();
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        const QVariantMap &stored = m_source->rowValues(sourceRow(row));
        if (stored.value(parameterRole).toString() == parameter)
            return stored.value(valueRole);
    }
    return QVariant();
}

} // namespace Client::Controller
