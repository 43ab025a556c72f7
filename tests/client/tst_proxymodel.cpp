#include "client/controller/originalmodel.h"
#include "client/controller/proxymodel.h"
#include "filterrow.h"
#include "listcatalogue.h"
#include "messagecatcher.h"
#include "modeltester.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using Client::Controller::OriginalModel;
using Client::Controller::ProxyModel;

Q_DECLARE_METATYPE(QList<Filter>)

// The sorted and filtered view: hard filters in groups, free text, typed sort and batching.
class TestProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshView();
    void hardFilters_data();
    void hardFilters();
    void groupsComeAndGo();
    void freeText_data();
    void freeText();
    void searchModeSplitsTheCurrentText();
    void searchedColumnsRefilterOnlyWithText();
    void typingFollowsChangedRows();
    void typingFollowsArrivingAndLeavingRows();
    void typingAfterFilterChanges();
    void keptTextsMatchInAnyCase();
    void typingOverManyRows();
    void typedSort_data();
    void typedSort();
    void placeholderFirst();
    void sortReadsChangedRows();
    void prepareMode();
    void sortsOnlyRowsOutOfOrder();
    void changedRowsRefilterOnce();
    void lookupsByViewRow();
    void viewsOfOneModelFilterItsCurrentRows();
    void idOrdersFollowArrivingRows();
    void refilterThatChangesNothing();

private:
    QStringList shownIds() const;

    std::unique_ptr<OriginalModel> m_model;
    std::unique_ptr<ProxyModel> m_proxy;
};

void TestProxyModel::init()
{
    m_proxy.reset();
    m_model = std::make_unique<OriginalModel>();
    watchModel(m_model.get());
    m_model->setBaseModel(QSharedPointer<ListCatalogue>::create());
    const QList<QVariantMap> rows{
        {{"id", "1"}, {"name", "Alpha"}, {"note", "ab cd"}, {"status", "1"}, {"count", "10"},
         {"big", "9007199254740993"}, {"price", "2.5"}},
        {{"id", "2"}, {"name", "beta"}, {"note", "ab"}, {"status", "2"}, {"count", "9"},
         {"big", "9007199254740992"}, {"price", "10"}},
        {{"id", "3"}, {"name", "Gamma +380"}, {"note", "cd"}, {"status", "3"}, {"count", "100"},
         {"big", "1"}, {"price", "-1.5"}},
        {{"id", "4"}, {"name", "delta (x)"}, {"note", "CD AB"}, {"status", "1"}, {"count", "9"},
         {"big", "5"}, {"price", "10"}},
        {{"id", "10"}, {"name", "alpha"}, {"note", ""}, {"status", "2"}, {"count", "abc"}, {"big", "5"},
         {"price", "3"}},
    };
    for (const QVariantMap &row : rows)
        m_model->addRow(row);
    m_proxy = std::make_unique<ProxyModel>();
    watchModel(m_proxy.get());
    m_proxy->setOriginalModel(m_model.get());
}

QStringList TestProxyModel::shownIds() const
{
    QStringList ids;
    for (int r = 0; r < m_proxy->rowCount(); ++r)
        ids << m_proxy->data(r, "id").toString();
    return ids;
}

void TestProxyModel::freshView()
{
    QCOMPARE(shownIds(), (QStringList{"10", "4", "3", "2", "1"}));
    QCOMPARE(m_proxy->sortedRole(), QString("id"));
    QCOMPARE(m_proxy->sortOrder(), Qt::DescendingOrder);
    // Rows added later are shown at once but sorted only by the next sort.
    m_model->addRow({{"id", "7"}, {"name", "late"}});
    QCOMPARE(m_proxy->rowCount(), 6);
    m_proxy->sortRows();
    QCOMPARE(shownIds(), (QStringList{"10", "7", "4", "3", "2", "1"}));
}

void TestProxyModel::hardFilters_data()
{
    QTest::addColumn<QList<Filter>>("filters");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("shown");
    const QString def = "default";
    QTest::newRow("equal or equal") << QList<Filter>{{"status", "=", "1", "or", def}, {"status", "=", "2", "and", def}}
                                    << QStringList{} << QStringList{"10", "4", "2", "1"};
    QTest::newRow("not equal") << QList<Filter>{{"status", "!=", 1, "and", def}} << QStringList{}
                               << QStringList{"10", "3", "2"};
    QTest::newRow("a second group narrows")
        << QList<Filter>{{"status", "=", "1", "or", def}, {"status", "=", "2", "and", def}, {"count", "=", "9", "and", "g"}}
        << QStringList{"g", "and"} << QStringList{"4", "2"};
    QTest::newRow("groups joined by or")
        << QList<Filter>{{"status", "=", "3", "and", def}, {"name", "=", "beta", "and", "g"}}
        << QStringList{"g", "or"} << QStringList{}; // "default" is joined to g by its own "and"
    QTest::newRow("interleaved groups keep their own conditions")
        << QList<Filter>{{"status", "=", "1", "or", def}, {"count", "=", "9", "and", "g"}, {"status", "=", "3", "and", def}}
        << QStringList{"g", "and"} << QStringList{"4"};
    QTest::newRow("greater on text compares numbers") << QList<Filter>{{"name", ">", "-1", "and", def}}
                                                      << QStringList{} << QStringList{"10", "4", "3", "2", "1"};
    QTest::newRow("greater on 64-bit integers") << QList<Filter>{{"big", ">", "9007199254740992", "and", def}}
                                                << QStringList{} << QStringList{"1"};
    QTest::newRow("less or equal on doubles") << QList<Filter>{{"price", "<=", "2.5", "and", def}} << QStringList{}
                                              << QStringList{"3", "1"};
    QTest::newRow("integer column, no number counts as 0") << QList<Filter>{{"count", "<", "1", "and", def}}
                                                           << QStringList{} << QStringList{"10"};
    QTest::newRow("contains ignores case") << QList<Filter>{{"note", "contains", "Ab", "and", def}} << QStringList{}
                                           << QStringList{"4", "2", "1"};
    QTest::newRow("not contains") << QList<Filter>{{"note", "not_contains", "cd", "and", def}} << QStringList{}
                                  << QStringList{"10", "2"};
    QTest::newRow("unknown operation takes no part")
        << QList<Filter>{{"status", "~", "1", "and", def}, {"status", "=", "2", "and", def}} << QStringList{}
        << QStringList{"10", "2"};
    QTest::newRow("column outside the catalogue reads empty") << QList<Filter>{{"nope", "=", "", "and", def}}
                                                              << QStringList{} << QStringList{"10", "4", "3", "2", "1"};
    QTest::newRow("missing group hides every row") << QList<Filter>{{"status", "=", "1", "and", "absent"}}
                                                   << QStringList{} << QStringList{};
}

void TestProxyModel::hardFilters()
{
    QFETCH(QList<Filter>, filters);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, shown);
    MessageCatcher log;
    for (int i = 0; i + 1 < groups.size(); i += 2)
        m_proxy->appendHardFilterGroup(groups.at(i), groups.at(i + 1));
    m_proxy->beginPrepare();
    for (const Filter &f : filters)
        m_proxy->appendHardFilterRole(f.role, f.operation, f.value, f.condition, f.group);
    m_proxy->endPrepare();
    QCOMPARE(shownIds(), shown);
    // Problems are reported once, not once per row.
    QVERIFY2(log.warnings.size() + log.criticals.size() <= 1, qPrintable(log.allWarnings()));
    if (QByteArray(QTest::currentDataTag()).startsWith("missing group"))
        QCOMPARE(log.count("groupFilters doesn't contain value for key='absent'"), 1);
    if (QByteArray(QTest::currentDataTag()).startsWith("unknown operation"))
        QCOMPARE(log.count("Invalid expression operation:"), 1);
}

void TestProxyModel::groupsComeAndGo()
{
    m_proxy->appendHardFilterGroup("g", "and");
    m_proxy->appendHardFilterRole("status", "=", "1", "and", "g");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    // The filters naming a removed group stay, and hide everything until the group is back.
    m_proxy->removeHardFilterGroup("g");
    m_proxy->invalidateFilter();
    QCOMPARE(shownIds(), QStringList{});
    m_proxy->appendHardFilterGroup("g", "and");
    m_proxy->invalidateFilter();
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));

    // Clearing the groups keeps "default", so filters without a group name still work.
    m_proxy->clearHardFilter();
    m_proxy->clearHardFilterGroup();
    m_proxy->appendHardFilterRole("status", "=", "2");
    QCOMPARE(shownIds(), (QStringList{"10", "2"}));

    // setHardFilterRole drops the filters of every column; removing by value compares as text.
    m_proxy->appendHardFilterRole("count", "=", "9");
    m_proxy->setHardFilterRole("status", "=", 1);
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    m_proxy->removeHardFilterRole("status", "1");
    QCOMPARE(m_proxy->rowCount(), 5);
    m_proxy->appendHardFilterRole("status", "=", "3");
    m_proxy->removeHardFilterRole("status");
    QCOMPARE(m_proxy->rowCount(), 5);
}

void TestProxyModel::freeText_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("shown");
    const QStringList all; // empty: keep every column
    QTest::newRow("one word, any case") << all << true << "ALPHA" << QStringList{"10", "1"};
    QTest::newRow("two words in one column, any order") << all << true << "cd ab" << QStringList{"4", "1"};
    QTest::newRow("words spread over two columns") << all << true << "gamma cd" << QStringList{};
    QTest::newRow("not extended: the whole text") << all << false << "ab cd" << QStringList{"1"};
    QTest::newRow("regex characters are literal") << all << true << "+380" << QStringList{"3"};
    QTest::newRow("an open bracket is literal") << all << true << "(x" << QStringList{"4"};
    QTest::newRow("a dot is literal") << all << true << "." << QStringList{"3", "1"};
    QTest::newRow("empty pattern, no searched columns") << QStringList{"-"} << true << "" << QStringList{"10", "4", "3", "2", "1"};
    QTest::newRow("no searched columns") << QStringList{"-"} << true << "a" << QStringList{};
    QTest::newRow("only the named columns") << QStringList{"note"} << true << "alpha" << QStringList{};
}

void TestProxyModel::freeText()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, extended);
    QFETCH(QString, pattern);
    QFETCH(QStringList, shown);
    MessageCatcher log;
    if (fields == QStringList{"-"})
        m_proxy->setFilterFields({});
    else if (!fields.isEmpty())
        m_proxy->setFilterFields(fields);
    m_proxy->setExtendedSearch(extended);
    QSignalSpy finished(m_proxy.get(), &ProxyModel::filterFinished);
    m_proxy->setFilterPattern(pattern);
    QCOMPARE(shownIds(), shown);
    QCOMPARE(finished.count(), pattern.isEmpty() ? 0 : 1);
    QCOMPARE(m_proxy->getFilterRowCount(), pattern.isEmpty() ? 0 : shown.size());
    QCOMPARE(log.warnings.size(), 0);
}

void TestProxyModel::searchedColumnsRefilterOnlyWithText()
{
    QSignalSpy rebuilt(m_proxy.get(), &QAbstractItemModel::layoutChanged);
    // Without text every row shows: new columns cost no pass over the rows.
    m_proxy->setFilterFields({"name"});
    QCOMPARE(rebuilt.count(), 0);
    QCOMPARE(m_proxy->rowCount(), 5);
    // The text then searches the columns set before it, and new columns search it at once.
    m_proxy->setFilterPattern("delta");
    QCOMPARE(shownIds(), QStringList{"4"});
    m_proxy->setFilterFields({"status"});
    QCOMPARE(shownIds(), QStringList{});
    m_proxy->setFilterFields({"name"});
    QCOMPARE(shownIds(), QStringList{"4"});

    // Texts made ahead of the first letter filter nothing and never change what is searched:
    // while a search is on, for other columns, or before a row changes.
    m_proxy->prepareSearch({"status"});
    QCOMPARE(shownIds(), QStringList{"4"});
    m_proxy->setFilterPattern("");
    const int passes = rebuilt.count();
    m_proxy->prepareSearch({"status"});
    QCOMPARE(rebuilt.count(), passes);
    QCOMPARE(m_proxy->rowCount(), 5);
    m_proxy->setFilterPattern("delta");
    QCOMPARE(shownIds(), QStringList{"4"});
    m_proxy->setFilterPattern("");
    m_proxy->prepareSearch({"name"});
    m_model->updateValue(QString("2"), "name", "Deltaplan", false);
    m_proxy->setFilterPattern("delta");
    QCOMPARE(shownIds(), (QStringList{"4", "2"}));
}

void TestProxyModel::typingFollowsChangedRows()
{
    m_proxy->setFilterFields({"name"});
    m_proxy->setFilterPattern("alp");
    QCOMPARE(shownIds(), (QStringList{"10", "1"}));
    // A change the list announces and two it stores silently: the next letters search them anew.
    m_model->updateValue(QString("2"), "name", "Alpine");
    m_model->updateValue(QString("10"), "name", "omega", false);
    m_model->setData(m_model->index(m_model->findId("3")), "Omega", m_model->roleNumber("name"));
    m_proxy->setFilterPattern("alpi");
    QCOMPARE(shownIds(), QStringList{"2"});
    m_proxy->setFilterPattern("alp");
    QCOMPARE(shownIds(), (QStringList{"2", "1"}));
    m_proxy->setFilterPattern("omeg");
    QCOMPARE(shownIds(), (QStringList{"10", "3"}));

    // Other searched columns: what was kept of the old ones is not searched.
    m_proxy->setFilterPattern("ab");
    QCOMPARE(shownIds(), QStringList{});
    m_proxy->setFilterFields({"name", "note"});
    QCOMPARE(shownIds(), (QStringList{"4", "2", "1"}));
    m_proxy->setFilterPattern("ab c");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    m_proxy->setFilterFields({"count"});
    m_proxy->setFilterPattern("9");
    QCOMPARE(shownIds(), (QStringList{"4", "2"}));
}

void TestProxyModel::typingFollowsArrivingAndLeavingRows()
{
    QAbstractItemModelTester tester(m_proxy.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_proxy->setFilterFields({"name", "note"});
    m_proxy->setFilterPattern("ab");
    QCOMPARE(shownIds(), (QStringList{"4", "2", "1"}));
    // Rows come between the others and go while the text stands; the next letters see them.
    m_model->addRow({{"id", "7"}, {"name", "seven"}, {"note", "xab cdx"}});
    m_model->addRow({{"id", "5"}, {"name", "five"}, {"note", "none"}});
    m_model->delRow("2");
    m_proxy->setFilterPattern("ab c");
    m_proxy->sortRows();
    QCOMPARE(shownIds(), (QStringList{"7", "4", "1"}));
    m_proxy->setFilterPattern("");
    QCOMPARE(m_proxy->rowCount(), 6);
    m_proxy->setFilterPattern("five");
    QCOMPARE(shownIds(), QStringList{"5"});

    // A long run of arrivals, then removals from the middle of the list.
    m_proxy->setFilterPattern("row");
    for (int id = 100; id < 400; ++id) {
        const QString name = QString("row%1%2").arg(id >= 300 ? " third" : "", id % 2 ? " odd" : "");
        m_model->addRow({{"id", QString::number(id)}, {"name", name}});
    }
    QCOMPARE(m_proxy->rowCount(), 300);
    for (int id = 101; id < 400; id += 4)
        m_model->delRow(QString::number(id));
    m_proxy->setFilterPattern("row th");
    QCOMPARE(m_proxy->rowCount(), 75);
    m_proxy->setFilterPattern("row th odd");
    QCOMPARE(m_proxy->rowCount(), 25);
    QCOMPARE(m_proxy->data(0, "name").toString().endsWith(" odd"), true);
    m_proxy->setFilterPattern("odd");
    QCOMPARE(m_proxy->rowCount(), 75);
}

void TestProxyModel::typingAfterFilterChanges()
{
    m_proxy->setFilterFields({"name"});
    m_proxy->setHardFilterRole("status", "=", "1");
    m_proxy->setFilterPattern("a");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    m_proxy->setFilterPattern("al");
    QCOMPARE(shownIds(), QStringList{"1"});
    m_proxy->setFilterPattern("a");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));

    // Hard filters changed while preparing: the text typed meanwhile filters under the new ones.
    m_proxy->beginPrepare();
    m_proxy->setHardFilterRole("status", "=", "2");
    m_proxy->setFilterPattern("al");
    QCOMPARE(shownIds(), QStringList{"10"});
    m_proxy->endPrepare();
    // A row leaving the hard filters silently is judged again at the next letter.
    m_model->updateValue(QString("10"), "status", "1", false);
    m_model->updateValue(QString("1"), "status", "2", false);
    m_proxy->setFilterPattern("alp");
    QCOMPARE(shownIds(), QStringList{"1"});

    // The group of the filters goes: no row passes, whatever was judged before.
    m_proxy->clearHardFilter();
    m_proxy->appendHardFilterGroup("g", "and");
    m_proxy->appendHardFilterRole("status", "=", "1", "and", "g");
    m_proxy->setFilterPattern("");
    QCOMPARE(shownIds(), (QStringList{"10", "4"}));
    m_proxy->removeHardFilterGroup("g");
    m_proxy->setFilterPattern("d");
    QCOMPARE(shownIds(), QStringList{});
    m_proxy->appendHardFilterGroup("g", "and");
    m_proxy->setFilterPattern("de");
    QCOMPARE(shownIds(), QStringList{"4"});

    // The search mode switched while preparing: the next letter searches in the new mode.
    m_proxy->clearHardFilter();
    m_proxy->setFilterFields({"note"});
    m_proxy->setExtendedSearch(false);
    m_proxy->setFilterPattern("ab c");
    QCOMPARE(shownIds(), QStringList{"1"});
    m_proxy->beginPrepare();
    m_proxy->setExtendedSearch(true);
    m_proxy->setFilterPattern("ab cd");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    m_proxy->endPrepare();
}

void TestProxyModel::keptTextsMatchInAnyCase()
{
    // Letters whose cases fold unlike their lower case, a pair of surrogates and the control
    // character that could part columns: typed text finds what Qt's case-insensitive search does.
    const QStringList names{QString::fromUtf8("İstanbul"), QString::fromUtf8("ſtraße"),
                            QString::fromUtf8("ΣΊΣΥΦΟΣ"), QString::fromUtf8("Kelvin"),
                            QString::fromUtf8("𐐀x"), QString::fromUtf8("a" "b")};
    m_model->clear();
    for (int i = 0; i < names.size(); ++i)
        m_model->addRow({{"id", QString::number(i + 1)}, {"name", names.at(i)}});
    m_proxy->setFilterFields({"name", "note"});
    const QStringList patterns{"i", "İ", "s", "STRASSE", "σίσυφος", "ς", "k", "K", QString::fromUtf8("𐐨"),
                               "", "a", "ab", QString::fromUtf8("ı")};
    for (const QString &pattern : patterns) {
        QStringList expected;
        for (int i = names.size() - 1; i >= 0; --i) {
            if (QStringMatcher(pattern, Qt::CaseInsensitive).indexIn(names.at(i)) >= 0)
                expected << QString::number(i + 1);
        }
        m_proxy->setFilterPattern(pattern);
        QVERIFY2(shownIds() == expected, qPrintable(pattern));
    }
}

void TestProxyModel::typingOverManyRows()
{
    // Enough rows for the texts to be built on several threads at the first letter; the list
    // itself is not watched row by row.
    OriginalModel rows;
    rows.setBaseModel(QSharedPointer<ListCatalogue>::create());
    for (int id = 6000; id >= 1; --id)
        rows.addRow({{"id", QString::number(id)}, {"name", QString("driver %1").arg(id)},
                     {"note", id % 7 ? QString("plain") : QString("Seventh")}});
    ProxyModel view;
    view.setOriginalModel(&rows);
    const auto shown = [&view] {
        QStringList ids;
        for (int r = 0; r < view.rowCount(); ++r)
            ids << view.data(r, "id").toString();
        return ids;
    };
    view.setFilterFields({"name", "note"});
    view.setFilterPattern("s");
    QCOMPARE(view.rowCount(), 6000 / 7);
    QCOMPARE(view.data(0, "id").toString(), QString("5999"));
    view.setFilterPattern("seventh");
    QCOMPARE(view.rowCount(), 6000 / 7);
    view.setFilterPattern("driver 117");
    QCOMPARE(shown(), (QStringList{"5117", "4117", "3117", "2117", "1179", "1178", "1177", "1176", "1175", "1174",
                                   "1173", "1172", "1171", "1170", "1117", "117"}));
    rows.updateValue(QString("5"), "note", "seventh", false);
    view.setFilterPattern("");
    view.setFilterPattern("seventh");
    QCOMPARE(view.rowCount(), 6000 / 7 + 1);
    QCOMPARE(shown().last(), QString("5"));
}

void TestProxyModel::searchModeSplitsTheCurrentText()
{
    m_proxy->setFilterPattern("ab cd");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    // Switching the mode takes effect on the text already typed.
    m_proxy->setExtendedSearch(false);
    QCOMPARE(shownIds(), QStringList{"1"});
    m_proxy->setExtendedSearch(true);
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
}

void TestProxyModel::typedSort_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("text ignores case, ties by id") << "name" << int(Qt::AscendingOrder)
                                                   << QStringList{"1", "10", "2", "4", "3"};
    QTest::newRow("text descending, ties by id") << "name" << int(Qt::DescendingOrder)
                                                 << QStringList{"3", "4", "2", "10", "1"};
    QTest::newRow("integers as numbers") << "count" << int(Qt::AscendingOrder)
                                         << QStringList{"10", "2", "4", "1", "3"};
    QTest::newRow("64-bit integers exactly") << "big" << int(Qt::DescendingOrder)
                                             << QStringList{"1", "2", "10", "4", "3"};
    QTest::newRow("doubles, ties by id") << "price" << int(Qt::AscendingOrder)
                                         << QStringList{"3", "1", "10", "2", "4"};
    QTest::newRow("unknown column: by id") << "nope" << int(Qt::AscendingOrder)
                                           << QStringList{"1", "2", "3", "4", "10"};
    // Id 1 without brackets is no placeholder: it sorts as any row.
    QTest::newRow("id 1 as any row") << "note" << int(Qt::AscendingOrder) << QStringList{"10", "2", "1", "3", "4"};
}

void TestProxyModel::typedSort()
{
    QFETCH(QString, role);
    QFETCH(int, order);
    QFETCH(QStringList, sorted);
    QSignalSpy roleChanged(m_proxy.get(), &ProxyModel::sortedRoleChanged);
    QSignalSpy started(m_proxy.get(), &ProxyModel::sortStarted);
    QSignalSpy finished(m_proxy.get(), &ProxyModel::sortFinished);
    m_proxy->sortRows(role, Qt::SortOrder(order));
    QCOMPARE(shownIds(), sorted);
    QCOMPARE(m_proxy->sortedRole(), role);
    QCOMPARE(roleChanged.count(), 1);
    QCOMPARE(started.count(), 1);
    QCOMPARE(finished.count(), 1);
    // The view's own sort request (a header click) sorts the same way.
    m_proxy->sortRows("id", Qt::AscendingOrder);
    m_proxy->sort(0, Qt::SortOrder(order));
    QCOMPARE(shownIds().size(), 5);
    m_proxy->setSortRole(m_model->roleNumber(role));
    m_proxy->sort(0, Qt::SortOrder(order));
    QCOMPARE(shownIds(), sorted);
}

void TestProxyModel::placeholderFirst()
{
    // The "[All ...]" row of a filter box (id 1) before every text, the empty one and those that
    // sort before "[" included; another row's brackets count as text.
    m_model->updateValue(QString("1"), "note", "[All notes]");
    m_model->updateValue(QString("2"), "note", "(old)");
    m_model->updateValue(QString("3"), "note", "[x]");
    m_proxy->sortRows("note", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "10", "2", "3", "4"}));
}

void TestProxyModel::sortReadsChangedRows()
{
    m_proxy->sortRows("count", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"10", "2", "4", "1", "3"}));
    // What a sort read of the rows is read again after a row changes, is added or goes.
    m_model->updateValue(QString("3"), "count", "-5");
    m_proxy->sortRows();
    QCOMPARE(shownIds(), (QStringList{"3", "10", "2", "4", "1"}));
    m_model->addRow({{"id", "7"}, {"count", "9"}});
    m_model->delRow("2");
    m_proxy->sortRows("count", Qt::DescendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "7", "4", "10", "3"}));
    // A double that is no number sorts as 0, as other text that is no number does.
    m_model->updateValue(QString("10"), "price", "nan");
    m_proxy->sortRows("price", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"3", "7", "10", "1", "4"}));
}

void TestProxyModel::prepareMode()
{
    QSignalSpy mode(m_proxy.get(), &ProxyModel::isPrepareModeChanged);
    m_proxy->beginPrepare();
    m_proxy->appendHardFilterRole("status", "=", "1");
    m_proxy->setExtendedSearch(false);
    m_proxy->setFilterFields({"name"});
    QCOMPARE(m_proxy->rowCount(), 5);
    m_proxy->setIsPrepareMode(true);
    QCOMPARE(mode.count(), 2);
    m_proxy->endPrepare();
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    QCOMPARE(mode.last().first().toBool(), false);
    // The free text filters at once, even while preparing.
    m_proxy->beginPrepare();
    m_proxy->setFilterPattern("delta");
    QCOMPARE(shownIds(), QStringList{"4"});
    m_proxy->setFilterPattern("");
    m_proxy->clearHardFilter();
    m_proxy->endPrepare();

    // A sort asked while preparing waits for the end; the last order asked wins.
    m_proxy->beginPrepare();
    m_proxy->sortRows("name", Qt::DescendingOrder);
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"10", "4", "3", "2", "1"}));
    m_proxy->endPrepare();
    QCOMPARE(shownIds(), (QStringList{"1", "10", "2", "4", "3"}));

    // A full list arriving while preparing shows at the end, in the order the page asked.
    m_proxy->beginPrepare();
    m_model->clear();
    m_proxy->deferRows();
    for (const char *id : {"5", "12", "3"})
        m_model->addRow({{"id", id}, {"name", QString("n%1").arg(id)}});
    m_proxy->sortRows();
    m_proxy->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(m_proxy->rowCount(), 0);
    m_proxy->endPrepare();
    QCOMPARE(shownIds(), (QStringList{"3", "5", "12"}));
}

void TestProxyModel::sortsOnlyRowsOutOfOrder()
{
    QAbstractItemModelTester tester(m_proxy.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy layouts(m_proxy.get(), &QAbstractItemModel::layoutChanged);
    QSignalSpy finished(m_proxy.get(), &ProxyModel::sortFinished);
    // Already in that order: nothing moves, and the listeners still hear the sort end.
    m_proxy->sortRows("id", Qt::DescendingOrder);
    QCOMPARE(layouts.count(), 0);
    QCOMPARE(finished.count(), 1);
    m_proxy->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "2", "3", "4", "10"}));
    QVERIFY(layouts.count() > 0);

    // A row that came, a value that changed or a rebuild by a filter: the next sort looks again.
    m_model->addRow({{"id", "7"}, {"name", "late"}});
    m_proxy->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "2", "3", "4", "7", "10"}));
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "10", "2", "4", "3", "7"}));
    m_model->updateValue(QString("2"), "name", "zeta");
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "10", "4", "3", "7", "2"}));
    m_proxy->setFilterPattern("a");
    layouts.clear();
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(layouts.count(), 0);
    QCOMPARE(shownIds(), (QStringList{"1", "10", "4", "3", "7", "2"}));
    // Removing rows keeps the others in order.
    m_model->delRow("4");
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(layouts.count(), 0);
    QCOMPARE(shownIds(), (QStringList{"1", "10", "3", "7", "2"}));

    // A full list taken at its end stands in the order asked, whether the same as before or not.
    m_proxy->setFilterPattern("");
    m_model->clear();
    m_proxy->deferRows();
    for (const char *id : {"5", "12", "3", "40", "1"})
        m_model->addRow({{"id", id}, {"name", QString("n%1").arg(id)}});
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "12", "3", "40", "5"}));
    m_model->clear();
    m_proxy->deferRows();
    for (const char *id : {"5", "12", "3", "40", "1"})
        m_model->addRow({{"id", id}, {"name", QString("n%1").arg(id)}});
    m_proxy->sortRows("id", Qt::DescendingOrder);
    QCOMPARE(shownIds(), (QStringList{"40", "12", "5", "3", "1"}));

    // The view is given such a list in that order at once: no row moves once it is shown.
    QStringList shownAtReset;
    int shownRowsMoved = 0;
    connect(m_proxy.get(), &QAbstractItemModel::modelReset, this, [&] { shownAtReset = shownIds(); });
    connect(m_proxy.get(), &QAbstractItemModel::layoutChanged, this, [&] { shownRowsMoved += m_proxy->rowCount(); });
    // Taken by the sort, or at the end of a preparation that asked for it.
    for (bool preparing : {false, true}) {
        for (const char *role : {"name", "id"}) {
            shownAtReset.clear();
            if (preparing)
                m_proxy->beginPrepare();
            m_model->clear();
            m_proxy->deferRows();
            for (const char *id : {"5", "12", "3", "40", "1"})
                m_model->addRow({{"id", id}, {"name", QString("n%1").arg(id, 2, QChar('0'))}});
            m_proxy->sortRows(role, Qt::AscendingOrder);
            if (preparing)
                m_proxy->endPrepare();
            QCOMPARE(shownAtReset, (QStringList{"1", "3", "5", "12", "40"}));
            QCOMPARE(shownIds(), shownAtReset);
        }
    }
    QCOMPARE(shownRowsMoved, 0);
}

void TestProxyModel::changedRowsRefilterOnce()
{
    m_proxy->setHardFilterRole("status", "=", "1");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    ProxyModel second;
    watchModel(&second);
    second.setOriginalModel(m_model.get());
    second.setHardFilterRole("status", "!=", "9");

    // Updates that change no row's acceptance need no refilter at all.
    QSignalSpy removed(m_proxy.get(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(m_proxy.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(m_proxy.get(), &QAbstractItemModel::dataChanged);
    m_model->updateValue(QString("4"), "name", "changed");
    QCOMPARE(changed.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(removed.count() + inserted.count(), 0);

    // A reload that changes many rows refilters once per view, after the batch.
    for (const char *id : {"1", "2", "3", "10"})
        m_model->addRow({{"id", id}, {"status", "1"}, {"dt_utc_last_update", "5"}});
    m_model->addRow({{"id", "4"}, {"status", "9"}, {"dt_utc_last_update", "5"}});
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    QCOMPARE(second.rowCount(), 5);
    QCoreApplication::processEvents();
    QCOMPARE(shownIds(), (QStringList{"10", "3", "2", "1"}));
    QCOMPARE(second.rowCount(), 4);

    // Sorting at the end of a list applies a pending refilter first.
    m_model->updateValue(QString("2"), "status", "0");
    m_proxy->sortRows();
    QCOMPARE(shownIds(), (QStringList{"10", "3", "1"}));

    // While preparing, changes wait for endPrepare.
    m_proxy->beginPrepare();
    m_model->updateValue(QString("2"), "status", "1");
    QCoreApplication::processEvents();
    QCOMPARE(m_proxy->rowCount(), 3);
    m_proxy->endPrepare();
    QCOMPARE(m_proxy->rowCount(), 4);
}

void TestProxyModel::lookupsByViewRow()
{
    m_proxy->sortRows("name", Qt::AscendingOrder);
    QCOMPARE(m_proxy->checkValueByRole("status", "2"), 1);
    QCOMPARE(m_proxy->checkValueByRole("status", "7"), -1);
    QCOMPARE(m_proxy->checkValueByRole(QStringList{"status", "count"}, QVariantList{"1", "9"}), 3);
    QCOMPARE(m_proxy->checkValueByRole(QStringList{}, QVariantList{}), 0);
    QCOMPARE(m_proxy->data("status", "3", "name").toString(), QString("Gamma +380"));
    QVERIFY(!m_proxy->data("status", "8", "name").isValid());
    QVERIFY(!m_proxy->data(5, "name").isValid());
    QVERIFY(!m_proxy->data(-1, "name").isValid());

    // Attaching a model again sorts by id, descending, and says so.
    QSignalSpy roleChanged(m_proxy.get(), &ProxyModel::sortedRoleChanged);
    m_proxy->setOriginalModel(m_model.get());
    QCOMPARE(roleChanged.count(), 1);
    QCOMPARE(shownIds(), (QStringList{"10", "4", "3", "2", "1"}));
    m_proxy->setOriginalModel(m_model.get());
    QCOMPARE(roleChanged.count(), 1);

    // Without a source nothing is found and nothing breaks.
    m_proxy->setSourceModel(nullptr);
    QVERIFY(!m_proxy->originalModel());
    QCOMPARE(m_proxy->rowCount(), 0);
    QCOMPARE(m_proxy->checkValueByRole("status", "2"), -1);
    QVERIFY(!m_proxy->data("status", "2", "id").isValid());
    m_proxy->sortRows("name", Qt::AscendingOrder);
    m_proxy->setFilterPattern("x");
}

void TestProxyModel::viewsOfOneModelFilterItsCurrentRows()
{
    // Two views filter the same column of the rows: each pass reads what the rows hold now,
    // changes made without a signal and rows come or gone since the other view's pass included.
    ProxyModel other;
    watchModel(&other);
    other.setOriginalModel(m_model.get());
    m_proxy->setHardFilterRole("status", "=", "1");
    other.setHardFilterRole("status", "!=", "1");
    QCOMPARE(shownIds(), (QStringList{"4", "1"}));
    m_model->updateValue(QString("2"), "status", "1", false);
    m_model->addRow({{"id", "7"}, {"status", "1"}});
    m_model->delRow("4");
    m_proxy->invalidateFilter();
    other.invalidateFilter();
    m_proxy->sortRows("id", Qt::DescendingOrder);
    QCOMPARE(shownIds(), (QStringList{"7", "2", "1"}));
    QCOMPARE(other.rowCount(), 2);
    QCOMPARE(other.data(0, "id").toString(), QString("10"));
    QCOMPARE(other.data(1, "id").toString(), QString("3"));
    // A filter on a column outside the catalogue reads an empty value in every row.
    other.setHardFilterRole("nope", "=", "");
    QCOMPARE(other.rowCount(), 5);
}

void TestProxyModel::idOrdersFollowArrivingRows()
{
    // Descending ids are the rows' own order: rows that arrive take their place at once.
    m_model->addRow({{"id", "5"}, {"name", "five"}});
    m_model->addRow({{"id", "11"}, {"name", "eleven"}});
    QCOMPARE(shownIds(), (QStringList{"11", "10", "5", "4", "3", "2", "1"}));
    m_proxy->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"1", "2", "3", "4", "5", "10", "11"}));
    m_model->addRow({{"id", "6"}});
    m_proxy->sortRows();
    QCOMPARE(shownIds(), (QStringList{"1", "2", "3", "4", "5", "6", "10", "11"}));
    // Back from another column to descending ids, filtered, and from there to ascending again.
    m_proxy->sortRows("name", Qt::AscendingOrder);
    m_proxy->setHardFilterRole("id", ">", "3");
    m_proxy->sortRows("id", Qt::DescendingOrder);
    QCOMPARE(shownIds(), (QStringList{"11", "10", "6", "5", "4"}));
    QCOMPARE(m_proxy->sortOrder(), Qt::DescendingOrder);
    m_model->delRow("10");
    m_model->addRow({{"id", "8"}});
    QCOMPARE(shownIds(), (QStringList{"11", "8", "6", "5", "4"}));
    m_proxy->sortRows("id", Qt::AscendingOrder);
    QCOMPARE(shownIds(), (QStringList{"4", "5", "6", "8", "11"}));
}

void TestProxyModel::refilterThatChangesNothing()
{
    m_proxy->sortRows("name", Qt::AscendingOrder);
    const QStringList byName{"1", "10", "2", "4", "3"};
    QCOMPARE(shownIds(), byName);
    QSignalSpy laidOut(m_proxy.get(), &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(m_proxy.get(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(m_proxy.get(), &QAbstractItemModel::rowsRemoved);
    // A filter that every row passes leaves the view as it is, without a signal.
    m_proxy->beginPrepare();
    m_proxy->appendHardFilterRole("status", "!=", "99");
    m_proxy->endPrepare();
    QCOMPARE(shownIds(), byName);
    QCOMPARE(laidOut.count() + reset.count() + removed.count(), 0);
    // A row that arrived out of order is put in its place by the next pass, even one that
    // hides nothing.
    m_model->addRow({{"id", "5"}, {"name", "bravo"}, {"status", "1"}});
    m_proxy->setHardFilterRole("status", "!=", "98");
    QCOMPARE(shownIds(), (QStringList{"1", "10", "2", "5", "4", "3"}));
    // A pass that hides rows, or searches text, filters them as ever.
    m_proxy->setHardFilterRole("status", "=", "1");
    QCOMPARE(shownIds(), (QStringList{"1", "5", "4"}));
    m_proxy->clearHardFilter();
    m_proxy->setFilterPattern("alpha");
    QCOMPARE(shownIds(), (QStringList{"1", "10"}));
}

QTEST_MAIN(TestProxyModel)
#include "tst_proxymodel.moc"
