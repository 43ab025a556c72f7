#pragma once

#include "fieldorder.h"

#include <QElapsedTimer>
#include <QMap>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QStringMatcher>
#include <QTimer>
#include <QVector>

namespace Client::Controller {

class OriginalModel;

// The sorted and filtered view of an OriginalModel that list pages show. Rows pass hard
// filters (single-column expressions combined inside named groups, then across groups) and a
// free-text search over the searched columns; sorting compares by the column's catalogue type
// (numbers as numbers, text case-insensitively), ties going to "id". Arriving rows are filtered
// but not placed in sort order until the next explicit sort. A sort by the role and order the
// rows are already in is skipped: pages ask for their order on every load and selection. While
// preparing, a sort is only noted: the prepared rows are sorted once, when the preparation ends.
class ProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(bool extendedSearch READ extendedSearch WRITE setExtendedSearch NOTIFY extendedSearchChanged)
    Q_PROPERTY(QString sortedRole READ sortedRole NOTIFY sortedRoleChanged)
    Q_PROPERTY(bool isPrepareMode READ isPrepareMode WRITE setIsPrepareMode NOTIFY isPrepareModeChanged)

public:
    explicit ProxyModel(QObject *parent = nullptr);
    ~ProxyModel() override;

    OriginalModel *originalModel() const { return m_source; }

    bool extendedSearch() const { return m_extendedSearch; }
    void setExtendedSearch(bool extendedSearch);
    QString sortedRole() const { return m_sortedRole; }
    bool isPrepareMode() const { return m_isPrepareMode; }
    void setIsPrepareMode(bool isPrepareMode);

    Q_INVOKABLE void setOriginalModel(Client::Controller::OriginalModel *originalModel);
    Q_INVOKABLE void setFilterPattern(const QString &filterPattern);
    Q_INVOKABLE void setFilterFields(const QStringList &filterRoleList);
    Q_INVOKABLE void appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                          const QString &condition, const QString &group_filter_name);
    Q_INVOKABLE void appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                          const QString &condition);
    Q_INVOKABLE void appendHardFilterRole(const QString &role, const QString &operation, const QVariant &value);
    Q_INVOKABLE void setHardFilterRole(const QString &role, const QString &operation, const QVariant &value,
                                       const QString &condition);
    Q_INVOKABLE void setHardFilterRole(const QString &role, const QString &operation, const QVariant &value);
    Q_INVOKABLE void removeHardFilterRole(const QString &role, const QString &value);
    Q_INVOKABLE void removeHardFilterRole(const QString &role);
    Q_INVOKABLE void clearHardFilter();
    Q_INVOKABLE void appendHardFilterGroup(const QString &group, const QString &condition);
    Q_INVOKABLE void removeHardFilterGroup(const QString &group);
    // Removes the filters of one group, leaving the group records as they are.
    Q_INVOKABLE void removeHardFilterGroupRoles(const QString &group);
    Q_INVOKABLE void clearHardFilterGroup();
    Q_INVOKABLE void beginPrepare();
    Q_INVOKABLE void endPrepare();
    Q_INVOKABLE void invalidateFilter();
    Q_INVOKABLE void sortRows(const QString &role, Qt::SortOrder order);
    Q_INVOKABLE void sortRows();
    Q_INVOKABLE void getSortedRole();
    Q_INVOKABLE int checkValueByRole(const QString &role, const QVariant &value) const;
    Q_INVOKABLE int checkValueByRole(const QStringList &roles, const QVariantList &values) const;
    using QSortFilterProxyModel::data;
    Q_INVOKABLE QVariant data(int row, const QString &role) const;
    Q_INVOKABLE QVariant data(const QString &parameterRole, const QString &parameter, const QString &valueRole) const;
    Q_INVOKABLE int getFilterRowCount() const { return m_filterRowCount; }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // While a full list arrives the view stays empty and takes the rows at once when the list is
    // complete (takeRows, or the next sortRows): following each arriving row would cost the
    // whole view per row. A list that brings no row for a few seconds is taken as it stands.
    void deferRows();
    void takeRows();
    bool isDeferringRows() const { return m_deferring; }
    void setDeferredRowsPatience(int milliseconds);

signals:
    void extendedSearchChanged();
    void sortStarted();
    void sortFinished();
    void filterFinished();
    void sortedRoleChanged(QString sortedRole);
    void isPrepareModeChanged(bool isPrepareMode);

protected:
    bool filterAcceptsRow(int source_row, const QModelIndex &source_parent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private slots:
    void onSourceModelChanged();
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles);
    void onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void onDeferredRowArrived();
    void onDeferralTimer();
    void onSourceRowsMoved();

private:
    struct FilterGroup
    {
        QString name;
        QString condition;
    };
    struct HardFilter
    {
        QString role;
        QString condition;
        QVariant value;
        QString operation;
        QString group;
    };
    enum class Join { And, Or, Invalid };
    enum class Operation { Equal, NotEqual, Greater, GreaterOrEqual, Less, LessOrEqual, Contains, NotContains };
    // A hard filter ready for the row loop: its column, comparison and operands resolved once.
    struct CompiledFilter
    {
        QString column;
        Operation operation;
        bool integral;
        QString text;
        qint64 integer;
        double real;
        int group;
        Join join;
    };
    // What the filter of one row needs, rebuilt after every change of filters, groups or source.
    struct CompiledFilters
    {
        bool valid = false;
        bool missingGroup = false;
        QVector<CompiledFilter> filters;
        QVector<Join> groupJoins;
        QStringList searchColumns;
    };
    using SortKind = FieldOrder::Kind;
    struct SortKey
    {
        qint64 integer = 0;
        double real = 0;
        QString text;
        // The first four code units of text, packed in order: most comparisons end here,
        // without reading the text itself.
        quint64 textPrefix = 0;
        qint64 id = 0;
    };

    void endDeferral();
    void applyFilterRoles();
    void filtersChanged();
    // The search words of the free text, as the search mode splits it.
    void splitSearchWords();
    void refilterUnlessPreparing();
    void scheduleRefilter();
    void flushRefilter();
    const CompiledFilters &compiled() const;
    CompiledFilters compile() const;
    bool matches(const CompiledFilter &filter, const QVariant &value) const;
    bool acceptsHard(const QVariantMap &row, const CompiledFilters &filters) const;
    bool acceptsText(const QVariantMap &row, const CompiledFilters &filters) const;
    bool containsAllWords(const QVariant &value) const;
    int sourceRow(int proxyRow) const;
    SortKind sortKind(int role) const;
    // Reads the sort key of every source row for the role, unless they are read already.
    void prepareSortKeys(int role);
    void releaseSortKeys();
    SortKey sortKey(int sourceRow, SortKind kind, const QString &column) const;
    bool keyLess(const SortKey &a, const SortKey &b, SortKind kind) const;
    static Join joinOf(const QString &condition);
    template<typename T>
    static qint64 nextKey(const QMap<qint64, T> &map) { return map.isEmpty() ? 0 : map.lastKey() + 1; }

    OriginalModel *m_source = nullptr;
    QStringList m_filterFields;
    QStringList m_filterRoles;
    QString m_sortedRole = QStringLiteral("id");
    bool m_extendedSearch = true;
    QMap<qint64, FilterGroup> m_groups;
    QMap<qint64, HardFilter> m_filters;
    int m_filterRowCount = 0;
    bool m_isPrepareMode = false;
    QString m_filterPattern;
    // The words of the free text, each matched as literal text in any case.
    QVector<QStringMatcher> m_words;
    bool m_refilterPending = false;
    mutable CompiledFilters m_compiled;
    // Keys of the column being sorted, one per source row, while a sort runs.
    QVector<SortKey> m_sortKeys;
    SortKind m_sortKeysKind = SortKind::Text;
    int m_sortKeysRole = -1;
    bool m_deferring = false;
    // The view stands in the order of sortRole() and sortOrder(): no row came or changed since
    // the last sort or rebuild.
    bool m_sorted = false;
    // A sort asked while preparing, in this order by m_sortedRole.
    bool m_sortPending = false;
    Qt::SortOrder m_pendingOrder = Qt::AscendingOrder;
    bool m_switchingSource = false;
    QTimer m_deferralTimer;
    QElapsedTimer m_lastDeferredRow;
    int m_rowsPatienceMs = 0;
};

} // namespace Client::Controller
