#include "proxymodel.h"

#include "columnvalues.h"
#include "fieldorder.h"
#include "originalmodel.h"

#include "model/base/abstractmodel.h"

#include <QDebug>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Client::Controller {

namespace {

const QString DefaultGroup = QStringLiteral("default");
const QString IdRole = QStringLiteral("id");

// Up to this many changed rows are checked one by one; a larger change refilters everything.
constexpr int RowsCheckedOnChange = 256;
// A deferred list that has brought no row for this long is shown as it stands.
constexpr int DefaultRowsPatienceMs = 3000;

} // namespace

ProxyModel::ProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, &ProxyModel::onSourceModelChanged);
    // The ranks follow the sort role, however it is set.
    connect(this, &QSortFilterProxyModel::sortRoleChanged, this, [this] { m_ranksRole = -1; });
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
    m_lastPass.valid = false;
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
    // The source change resets the view and filters it afresh; rows of a list still arriving
    // show at its end.
    setSourceModel(originalModel);
    if (m_source && m_source->isReceivingList())
        deferRows();
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
    if (m_source) {
        disconnect(m_source, &QAbstractItemModel::rowsAboutToBeInserted, this, &ProxyModel::onSourceRowsArriving);
        disconnect(m_source, &QAbstractItemModel::rowsRemoved, this, &ProxyModel::onSourceRowsRemoved);
        disconnect(m_source, &QAbstractItemModel::modelReset, this, &ProxyModel::onSourceRelaid);
        disconnect(m_source, &QAbstractItemModel::layoutChanged, this, &ProxyModel::onSourceRelaid);
        disconnect(m_source, &OriginalModel::fullListStarted, this, &ProxyModel::deferRows);
        disconnect(m_source, &OriginalModel::fullListEnded, this, &ProxyModel::onSourceListEnded);
    }
    m_source = qobject_cast<OriginalModel *>(sourceModel());
    m_compiled = false;
    m_texts.reset(m_source, {});
    m_verdicts.clear();
    m_lastPass.valid = false;
    m_sortRanks.clear();
    m_ranksRole = -1;
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
        // The kept texts follow the rows before Qt filters the arriving ones.
        connect(m_source, &QAbstractItemModel::rowsAboutToBeInserted, this, &ProxyModel::onSourceRowsArriving);
        connect(m_source, &QAbstractItemModel::rowsRemoved, this, &ProxyModel::onSourceRowsRemoved);
        connect(m_source, &QAbstractItemModel::modelReset, this, &ProxyModel::onSourceRelaid);
        connect(m_source, &QAbstractItemModel::layoutChanged, this, &ProxyModel::onSourceRelaid);
        connect(m_source, &OriginalModel::fullListStarted, this, &ProxyModel::deferRows);
        connect(m_source, &OriginalModel::fullListEnded, this, &ProxyModel::onSourceListEnded);
    }
}

void ProxyModel::onSourceRowsArriving(const QModelIndex &parent, int first, int last)
{
    if (!parent.isValid()) {
        m_texts.rows().rowsArriving(first, last);
        m_verdicts.rowsArriving(first, last);
    }
}

void ProxyModel::onSourceRowsRemoved(const QModelIndex &parent, int first, int last)
{
    if (!parent.isValid()) {
        m_texts.rows().rowsRemoved(first, last);
        m_verdicts.rowsRemoved(first, last);
    }
}

void ProxyModel::onSourceRelaid()
{
    m_texts.clear();
    m_verdicts.clear();
    m_lastPass.valid = false;
}

void ProxyModel::deferRows()
{
    if (m_deferring || !m_source)
        return;
    m_deferring = true;
    m_lastPass.valid = false;
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

void ProxyModel::onSourceListEnded()
{
    // The rows show in the order last asked; while preparing, when the preparation ends.
    if (m_deferring && !m_isPrepareMode)
        sortRows();
}

bool ProxyModel::isAwaitingList() const
{
    return m_deferring && m_source && m_source->isReceivingList();
}

void ProxyModel::onDeferredRowArrived()
{
    m_lastDeferredRow.restart();
}

void ProxyModel::onDeferralTimer()
{
    // A list that stops short of its end shows the rows that came, in the order last asked.
    if (m_lastDeferredRow.elapsed() < m_rowsPatienceMs)
        return;
    takeRows();
    if (!m_isPrepareMode)
        sortRows();
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
    m_lastPass.valid = false;
    m_switchingSource = true;
    QSortFilterProxyModel::setSourceModel(m_source);
    rowCount();
    m_switchingSource = false;
    // Qt maps the rows of a new source before it takes up the sort column: in source order.
    m_sorted = false;
}

void ProxyModel::takeRowsInOrder(int role, int column, Qt::SortOrder order)
{
    {
        const QSignalBlocker silent(this);
        takeRows();
        applyOrder(role, column, order);
    }
    beginResetModel();
    endResetModel();
}

void ProxyModel::applyOrder(int role, int column, Qt::SortOrder order)
{
    if (m_sorted && role == sortRole() && order == sortOrder() && sortColumn() == column)
        return;
    if (role != sortRole()) {
        // Qt sorts again at once on a new sort role: unsorted first, that sort compares nothing.
        QSortFilterProxyModel::sort(-1, order);
        setSortRole(role);
    }
    sort(column, order);
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
    // rebuild keeps the current sort, by the ranks of the rows.
    if (m_source && !m_deferring) {
        // What this pass reads of rows new or changed since the last one is made first, all at
        // once: the searched texts (the first letter typed) and the hard filters' verdicts.
        compileFilters();
        if (!m_words.isEmpty() && m_wordsFolded)
            m_texts.buildAll();
        fillVerdicts();
    }
    m_passing = true;
    m_texts.rows().setPassing(true);
    m_verdicts.setPassing(true);
    // A view in order that shows every row, all of which pass, stays as it is.
    const bool unchanged = m_sorted && showsEveryRowStill();
    if (!unchanged)
        invalidate();
    rowCount();
    m_passing = false;
    m_texts.rows().setPassing(false);
    m_verdicts.setPassing(false);
    m_sorted = unchanged || isSortApplied(sortColumn(), sortRole(), sortOrder());
    const bool shown = m_source && !m_deferring;
    m_lastPass = {shown, m_filterPattern, shown ? m_source->revision() : 0};
}

bool ProxyModel::showsEveryRowStill() const
{
    // Every row passes, and the view shows every row already (a view without rows mapped yet
    // maps them now, under the filters of this pass).
    if (!m_source || m_deferring || !m_words.isEmpty())
        return false;
    const QVector<bool> &verdicts = m_verdicts.values();
    if (verdicts.size() != m_source->rowCount() || verdicts.contains(false))
        return false;
    return rowCount() == m_source->rowCount();
}

void ProxyModel::fillVerdicts()
{
    // The filtered columns are read as vectors that every view of the rows shares.
    const QVector<const QVector<QVariant> *> columns = m_source->columnValues().prepare(m_hardRoles);
    static const QVariant none;
    m_verdicts.fillEach(*m_source, [&](int row) {
        return m_hardFilters.accepts([&](int filter) -> const QVariant & {
            const QVector<QVariant> *values = columns.at(filter);
            return values ? values->at(row) : none;
        });
    });
}

void ProxyModel::refilterUnlessPreparing()
{
    if (!m_isPrepareMode)
        invalidateFilter();
}

void ProxyModel::filtersChanged()
{
    m_compiled = false;
    m_lastPass.valid = false;
}

bool ProxyModel::narrows(const QString &pattern) const
{
    return m_lastPass.valid && m_source && !m_deferring && m_lastPass.pattern == m_filterPattern
        && pattern.contains(m_lastPass.pattern);
}

void ProxyModel::markShownRows()
{
    m_shownRows.fill(false, m_source->rowCount());
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        const int source = sourceRow(row);
        if (source >= 0 && source < m_shownRows.size())
            m_shownRows.setBit(source);
    }
}

bool ProxyModel::hiddenSinceLastPass(int sourceRow) const
{
    // A row that came or changed since is tested again, whether or not it was announced.
    return sourceRow < m_shownRows.size() && !m_shownRows.testBit(sourceRow)
        && m_source->rowRevision(sourceRow) <= m_lastPass.revision;
}

void ProxyModel::splitSearchWords()
{
    // Every word is literal text; with extended search all words must occur, in any order.
    m_words.clear();
    m_foldedWords.clear();
    m_wordsFolded = true;
    if (m_filterPattern.isEmpty())
        return;
    const QStringList words =
        m_extendedSearch ? m_filterPattern.split(QLatin1Char(' ')) : QStringList{m_filterPattern};
    for (const QString &word : words) {
        m_words.append(QStringMatcher(word, Qt::CaseInsensitive));
        m_foldedWords.append(RowSearchTexts::fold(word));
        m_wordsFolded = m_wordsFolded && RowSearchTexts::canSearch(word);
    }
}

void ProxyModel::setFilterPattern(const QString &filterPattern)
{
    if (filterPattern == m_filterPattern)
        return;
    const bool narrowing = narrows(filterPattern);
    m_filterPattern = filterPattern;
    splitSearchWords();
    if (narrowing)
        markShownRows();
    m_narrowing = narrowing;
    invalidateFilter();
    m_narrowing = false;
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
    for (const QString &role : m_hardFilters.roles())
        m_filterRoles.removeOne(role);
    filtersChanged();
}

void ProxyModel::applyFilterRoles()
{
    m_filterRoles = m_filterFields;
    for (const QString &role : m_hardFilters.roles())
        m_filterRoles.removeOne(role);
    filtersChanged();
    refilterUnlessPreparing();
}

void ProxyModel::appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                      const QString &condition, const QString &group_filter_name)
{
    m_hardFilters.append(role, operation, value, condition, group_filter_name);
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
    m_hardFilters.clear();
    appendHardFilterRole(role, operation, value, condition, DefaultGroup);
}

void ProxyModel::setHardFilterRole(const QString &role, const QString &operation, const QVariant &value)
{
    setHardFilterRole(role, operation, value, QStringLiteral("and"));
}

void ProxyModel::removeHardFilterRole(const QString &role, const QString &value)
{
    m_hardFilters.removeRole(role, value);
    applyFilterRoles();
}

void ProxyModel::removeHardFilterRole(const QString &role)
{
    m_hardFilters.removeRole(role);
    applyFilterRoles();
}

void ProxyModel::clearHardFilter()
{
    m_hardFilters.clear();
    applyFilterRoles();
}

void ProxyModel::appendHardFilterGroup(const QString &group, const QString &condition)
{
    m_hardFilters.appendGroup(group, condition);
    filtersChanged();
}

void ProxyModel::removeHardFilterGroup(const QString &group)
{
    m_hardFilters.removeGroup(group);
    filtersChanged();
}

void ProxyModel::removeHardFilterGroupRoles(const QString &group)
{
    m_hardFilters.removeGroupFilters(group);
    applyFilterRoles();
}

void ProxyModel::clearHardFilterGroup()
{
    m_hardFilters.resetGroups();
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
    if (isAwaitingList()) {
        // The list's end filters the rows once and sorts them as last asked.
        setIsPrepareMode(false);
        return;
    }
    const bool sortAsked = m_sortPending;
    m_sortPending = false;
    if (m_deferring) {
        sortRows(m_sortedRole, sortAsked ? m_pendingOrder : sortOrder());
    } else {
        invalidateFilter();
        if (sortAsked)
            sortRows(m_sortedRole, m_pendingOrder);
    }
    setIsPrepareMode(false);
}

void ProxyModel::compileFilters() const
{
    if (m_compiled && m_hardFilters.isCompiled())
        return;
    m_compiled = true;
    // New searched columns leave the hard filters and what they judged as they are.
    const Model::AbstractModel *catalogue = m_source ? m_source->baseModel().data() : nullptr;
    if (!m_hardFilters.isCompiled() || catalogue != m_compiledCatalogue) {
        m_hardFilters.compile(catalogue);
        m_compiledCatalogue = catalogue;
        m_verdicts.clear();
        m_hardRoles.clear();
        for (const QString &column : m_hardFilters.filterColumns())
            m_hardRoles.append(m_source && !column.isEmpty() ? m_source->roleNumber(column) : OriginalModel::NoRole);
    }
    m_searchColumns = columnsOf(m_filterRoles);
    for (const QString &role : m_filterRoles) {
        if (!m_searchColumns.contains(role))
            qWarning().noquote()
                << QStringLiteral("ProxyModel::filterAcceptsRow(): role '%1' not found in original model").arg(role);
    }
    m_texts.setColumns(m_searchColumns);
}

QStringList ProxyModel::columnsOf(const QStringList &roles) const
{
    QStringList columns;
    for (const QString &role : roles) {
        if (m_source && m_source->containsRole(role))
            columns.append(role);
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

void ProxyModel::prepareSearch(const QStringList &filterRoleList)
{
    if (!m_source || m_deferring)
        return;
    const QStringList columns = columnsOf(filterRoleList);
    // A search under way keeps the texts of its own columns.
    if (!m_words.isEmpty() && columns != m_searchColumns)
        return;
    m_texts.setColumns(columns);
    // Other columns than the searched ones: the next search compiles its own again.
    if (columns != m_searchColumns)
        m_compiled = false;
    m_texts.buildAll();
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

bool ProxyModel::acceptsText(int sourceRow, const QVariantMap &row) const
{
    // A row tested alone (arriving or changed) is read from its map: its text is built with the
    // others at the next pass, and the search stops at the first column that matches.
    if (m_wordsFolded && m_passing)
        return m_texts.containsAllWords(sourceRow, m_foldedWords);
    // The searched columns and the row's keys are both in name order: one walk over both.
    auto value = row.cbegin();
    for (const QString &column : qAsConst(m_searchColumns)) {
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
    compileFilters();
    if (m_narrowing && hiddenSinceLastPass(source_row))
        return false;
    // An empty search accepts every row, whatever the searched columns. The text goes first:
    // read from the kept texts, it rules out most rows before the hard filters read their maps.
    if (!m_words.isEmpty() && !acceptsText(source_row, m_source->rowValues(source_row)))
        return false;
    return m_verdicts.value(*m_source, source_row,
                            [this](const QVariantMap &values) { return m_hardFilters.accepts(values); });
}

namespace {

// A row's sort value and id, ordered by value, then id. A double that is no number counts as
// 0, as text that is no number does, so that the order stays total.
template<typename Value>
struct NumericKey
{
    Value value;
    qint64 id;
    int row;

    bool operator<(const NumericKey &other) const
    {
        return value < other.value || (!(other.value < value) && id < other.id);
    }
};

// A text key: the lower-case text, led by its first four code units packed in order so that
// most comparisons end without reading the text. A placeholder row (id 1) labelled in brackets,
// as "[All groups]" of a filter box, comes before every other text.
struct TextKey
{
    quint64 prefix;
    QString text;
    qint64 id;
    int row;

    bool isPseudoRow() const { return id == 1 && text.startsWith(QLatin1Char('[')); }

    bool operator<(const TextKey &other) const
    {
        if (isPseudoRow() != other.isPseudoRow())
            return isPseudoRow();
        if (prefix != other.prefix)
            return prefix < other.prefix;
        const int order = QString::compare(text, other.text);
        return order < 0 || (order == 0 && id < other.id);
    }
};

// Sorts the keys and numbers the rows by them, equal keys sharing a number: O(n log n).
template<typename Key>
QVector<int> ranksOf(std::vector<Key> &keys)
{
    std::sort(keys.begin(), keys.end());
    QVector<int> ranks(int(keys.size()));
    int rank = 0;
    for (size_t k = 0; k < keys.size(); ++k) {
        if (k > 0 && keys[k - 1] < keys[k])
            ++rank;
        ranks[keys[k].row] = rank;
    }
    return ranks;
}

qint64 integerOf(const QVariant &value)
{
    return value.toLongLong();
}

double realOf(const QVariant &value)
{
    const double real = value.toDouble();
    return std::isnan(real) ? 0.0 : real;
}

TextKey textKeyOf(const QVariant &value, qint64 id, int row)
{
    TextKey key{0, value.toString().toLower(), id, row};
    for (int i = 0; i < 4; ++i)
        key.prefix = key.prefix << 16 | (i < key.text.size() ? key.text.at(i).unicode() : 0);
    return key;
}

template<typename Key, typename Read>
QVector<int> rowRanks(const OriginalModel &source, int role, Read read)
{
    // The id is read as stored, not looked up and parsed again: the order of every view unless
    // it is sorted otherwise. Other columns are read as the vectors that the views share.
    const bool byId = source.roleName(role) == IdRole;
    const QVector<QVariant> *values = byId ? nullptr : source.columnValues().prepare({role}).first();
    std::vector<Key> keys;
    keys.reserve(size_t(source.rowCount()));
    for (int row = 0; row < source.rowCount(); ++row) {
        const qint64 id = source.rowId(row);
        const QVariant value = byId ? QVariant(id) : values ? values->at(row) : QVariant();
        keys.push_back(read(value, id, row));
    }
    return ranksOf(keys);
}

// The ranks by id, read off the rows in O(rows) while they stand in descending id order, as the
// source keeps them: the ranks the sort of their keys would give. False when they do not.
bool idRanksInRowOrder(const OriginalModel &source, QVector<int> *ranks)
{
    const int rows = source.rowCount();
    ranks->resize(rows);
    int rank = 0;
    for (int row = rows - 1; row >= 0; --row) {
        if (row < rows - 1) {
            const qint64 id = source.rowId(row);
            const qint64 below = source.rowId(row + 1);
            if (id < below)
                return false;
            if (id > below)
                ++rank;
        }
        (*ranks)[row] = rank;
    }
    return true;
}

} // namespace

void ProxyModel::buildSortRanks() const
{
    const Model::AbstractModel *catalogue = m_source->baseModel().data();
    if (!catalogue) {
        // Without a catalogue no row sorts before another.
        m_sortRanks.fill(0, m_source->rowCount());
        return;
    }
    const QString column = m_source->roleName(sortRole());
    switch (FieldOrder::kindOf(catalogue, column)) {
    case FieldOrder::Kind::Integer:
        if (column == IdRole && idRanksInRowOrder(*m_source, &m_sortRanks))
            break;
        m_sortRanks = rowRanks<NumericKey<qint64>>(*m_source, sortRole(), [](const QVariant &value, qint64 id, int row) {
            return NumericKey<qint64>{integerOf(value), id, row};
        });
        break;
    case FieldOrder::Kind::Real:
        m_sortRanks = rowRanks<NumericKey<double>>(*m_source, sortRole(), [](const QVariant &value, qint64 id, int row) {
            return NumericKey<double>{realOf(value), id, row};
        });
        break;
    case FieldOrder::Kind::Text:
        m_sortRanks = rowRanks<TextKey>(*m_source, sortRole(), textKeyOf);
        break;
    }
}

const QVector<int> &ProxyModel::sortRanks() const
{
    // Current for the sort role and the rows' revision; rebuilt when either changed.
    if (!m_source) {
        m_sortRanks.clear();
        return m_sortRanks;
    }
    if (m_ranksRole != sortRole() || m_ranksRevision != m_source->revision()
        || m_sortRanks.size() != m_source->rowCount()) {
        m_ranksRole = sortRole();
        m_ranksRevision = m_source->revision();
        buildSortRanks();
    }
    return m_sortRanks;
}

bool ProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    // Called for every comparison of a sort: while the ranks are current (their role unchanged,
    // and the rows too), two ints are compared and nothing else is asked.
    if (!m_source || m_ranksRole < 0 || m_ranksRevision != m_source->revision())
        sortRanks();
    const int a = left.row();
    const int b = right.row();
    const int count = m_sortRanks.size();
    if (uint(a) >= uint(count) || uint(b) >= uint(count))
        return false;
    const int *ranks = m_sortRanks.constData();
    return ranks[a] < ranks[b];
}

bool ProxyModel::isSourceOrder(int role, Qt::SortOrder order) const
{
    // The source keeps its rows in descending order of their ids as numbers.
    return m_source && order == Qt::DescendingOrder && role == m_source->roleNumber(IdRole)
        && FieldOrder::kindOf(m_source->baseModel().data(), IdRole) == FieldOrder::Kind::Integer;
}

bool ProxyModel::isSortApplied(int column, int role, Qt::SortOrder order) const
{
    return column == 0 || (column < 0 && isSourceOrder(role, order));
}

void ProxyModel::sort(int column, Qt::SortOrder order)
{
    if (column == 0)
        sortRanks();
    QSortFilterProxyModel::sort(column, order);
    m_sorted = isSortApplied(column, sortRole(), order);
}

void ProxyModel::sortRows(const QString &role, Qt::SortOrder order)
{
    if (role != m_sortedRole) {
        m_sortedRole = role;
        emit sortedRoleChanged(role);
    }
    if (m_isPrepareMode || isAwaitingList()) {
        m_sortPending = true;
        m_pendingOrder = order;
        return;
    }
    m_sortPending = false;
    const int number = m_source ? m_source->roleNumber(role) : OriginalModel::NoRole;
    // The source's own order needs no comparison: the view keeps it, arriving rows included.
    const int column = isSourceOrder(number, order) ? -1 : 0;
    if (m_deferring)
        takeRowsInOrder(number, column, order);
    flushRefilter();
    emit sortStarted();
    applyOrder(number, column, order);
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
