#pragma once

#include "hardfilters.h"
#include "rowsearchtexts.h"

#include <QBitArray>
#include <QElapsedTimer>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QStringMatcher>
#include <QTimer>
#include <QVector>

namespace Model {
class AbstractModel;
}

namespace Client::Controller {

class OriginalModel;

// The sorted and filtered view of an OriginalModel that list pages show. Rows pass hard
// filters (single-column expressions combined inside named groups, then across groups) and a
// free-text search over the searched columns; sorting compares by the column's catalogue type
// (numbers as numbers, text case-insensitively), ties going to "id". Arriving rows are filtered
// but not placed in sort order until the next explicit sort, except in descending "id" order:
// the source's own, which the view keeps without comparing rows. A sort by the role and order
// the rows are already in is skipped: pages ask for their order on every load and selection.
// While preparing, a sort is only noted: the prepared rows are sorted once, when the preparation
// ends. The searched text and the hard filters' verdict of each row are kept until the row
// changes, and a text that only grows tests again just the rows shown and the rows changed since
// the last pass: a keystroke reads no row's map. The filtered and sorted columns are read from
// the source's column values (ColumnValues), which every view of it shares.
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
    // Makes the searched texts of every row under these columns ahead of the first letter typed
    // (the search box opening); nothing is filtered.
    Q_INVOKABLE void prepareSearch(const QStringList &filterRoleList);
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
    // The source says when its list starts and ends; until then sorts and preparations only
    // note what the view is to be.
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
    void onSourceListEnded();
    void onDeferralTimer();
    void onSourceRowsMoved();
    void onSourceRowsArriving(const QModelIndex &parent, int first, int last);
    void onSourceRowsRemoved(const QModelIndex &parent, int first, int last);
    void onSourceRelaid();

private:
    void endDeferral();
    // Takes the rows held back sorted: the view is given them in order, in one reset, and makes
    // each row once.
    void takeRowsInOrder(int role, int column, Qt::SortOrder order);
    // Sorts by that role, column and order unless the rows are in it already.
    void applyOrder(int role, int column, Qt::SortOrder order);
    // Deferring while the source's list still arrives.
    bool isAwaitingList() const;
    void applyFilterRoles();
    void filtersChanged();
    // Whether the rows hidden by the last pass stay hidden under the pattern: nothing but the
    // text changed since, and the new text holds the old one.
    bool narrows(const QString &pattern) const;
    void markShownRows();
    bool hiddenSinceLastPass(int sourceRow) const;
    // The search words of the free text, as the search mode splits it.
    void splitSearchWords();
    void refilterUnlessPreparing();
    // The hard filters' verdict of every row new or changed since the last pass.
    void fillVerdicts();
    // Whether a pass may leave the view as it is: every row passes and is shown.
    bool showsEveryRowStill() const;
    void scheduleRefilter();
    void flushRefilter();
    // Compiles the hard filters and the searched columns after a change of either or of the source.
    void compileFilters() const;
    // The roles the source has, in name order: the columns a search reads.
    QStringList columnsOf(const QStringList &roles) const;
    bool acceptsText(int sourceRow, const QVariantMap &row) const;
    bool containsAllWords(const QVariant &value) const;
    int sourceRow(int proxyRow) const;
    // The rank of every source row under the sort role, rebuilt when the rows or the role
    // changed; empty without a source, all equal without a catalogue.
    const QVector<int> &sortRanks() const;
    // Whether sorting by the role in that order keeps the source's order (id, descending).
    bool isSourceOrder(int role, Qt::SortOrder order) const;
    // Whether a sort of Qt's column, role and order stands for that order of the rows.
    bool isSortApplied(int column, int role, Qt::SortOrder order) const;
    void buildSortRanks() const;

    OriginalModel *m_source = nullptr;
    QStringList m_filterFields;
    QStringList m_filterRoles;
    QString m_sortedRole = QStringLiteral("id");
    bool m_extendedSearch = true;
    mutable HardFilters m_hardFilters;
    // The catalogue the hard filters were compiled against.
    mutable const Model::AbstractModel *m_compiledCatalogue = nullptr;
    int m_filterRowCount = 0;
    bool m_isPrepareMode = false;
    QString m_filterPattern;
    // The words of the free text, each matched as literal text in any case.
    QVector<QStringMatcher> m_words;
    // The same words folded, for the kept texts; used when every word can be (m_wordsFolded).
    QStringList m_foldedWords;
    bool m_wordsFolded = false;
    mutable RowSearchTexts m_texts;
    // A pass over every row is running: the kept texts are searched.
    bool m_passing = false;
    // Each row's verdict under the compiled hard filters; dropped when they compile again.
    mutable RowCache<bool> m_verdicts;
    // The role of the column each compiled hard filter reads (NoRole for none).
    mutable QVector<int> m_hardRoles;
    // The last pass over every row: the text it searched and the source's revision after it.
    // Invalid once anything but the text changed what a row's acceptance depends on.
    struct Pass
    {
        bool valid = false;
        QString pattern;
        quint64 revision = 0;
    };
    Pass m_lastPass;
    // While narrowing: the source rows shown before the pass.
    bool m_narrowing = false;
    QBitArray m_shownRows;
    bool m_refilterPending = false;
    mutable bool m_compiled = false;
    // The searched columns that the source has, in name order.
    mutable QStringList m_searchColumns;
    // Source rows with equal ranks have equal sort values and ids: a comparison of a sort reads
    // two ints. Ranks take O(rows) memory and O(rows log rows) to build, once per rows revision
    // and role, so sorting again in either order or refiltering reads no row.
    mutable QVector<int> m_sortRanks;
    mutable int m_ranksRole = -1;
    mutable quint64 m_ranksRevision = 0;
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
