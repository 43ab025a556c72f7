#include "client/controller/hardfilters.h"
#include "filterrow.h"
#include "listcatalogue.h"
#include "messagecatcher.h"

#include <QtTest>

using Client::Controller::HardFilters;

namespace {

const QString Default = QStringLiteral("default");

// Rows as the protocol gives them: every value is text.
const QList<QVariantMap> &rows()
{
    static const QList<QVariantMap> list{
        {{"id", "1"}, {"name", "Alpha"}, {"note", "ab cd"}, {"status", "1"}, {"count", "10"},
         {"big", "9007199254740993"}, {"price", "2.5"}},
        {{"id", "2"}, {"name", "beta"}, {"note", "ab"}, {"status", "2"}, {"count", "9"},
         {"big", "9007199254740992"}, {"price", "10"}},
        {{"id", "3"}, {"name", "Gamma"}, {"note", "cd"}, {"status", "3"}, {"count", "100"}, {"big", "1"},
         {"price", "-1.5"}},
        {{"id", "4"}, {"name", "delta"}, {"note", "CD AB"}, {"status", "1"}, {"count", "9"}, {"big", "5"},
         {"price", "10"}},
        {{"id", "10"}, {"name", "alpha"}, {"note", ""}, {"status", "2"}, {"count", "abc"}, {"big", "5"},
         {"price", "3"}},
    };
    return list;
}

QStringList acceptedIds(const HardFilters &filters)
{
    QStringList ids;
    for (const QVariantMap &row : rows()) {
        if (filters.accepts(row))
            ids << row.value("id").toString();
    }
    return ids;
}

} // namespace

Q_DECLARE_METATYPE(QList<Filter>)

// The hard filters on their own: operations by column type, joins inside and across groups,
// the records kept in insertion order, and problems logged once per compile.
class TestHardFilters : public QObject
{
    Q_OBJECT

private slots:
    void accepts_data();
    void accepts();
    void recordsChangeTheOutcome();
    void withoutCatalogueEveryValueIsText();

private:
    ListCatalogue m_catalogue;
};

void TestHardFilters::accepts_data()
{
    QTest::addColumn<QList<Filter>>("filters");
    QTest::addColumn<QStringList>("groups"); // name, condition, name, condition...
    QTest::addColumn<QStringList>("accepted");
    QTest::addColumn<QString>("logged");
    const QStringList all{"1", "2", "3", "4", "10"};
    const QStringList none;

    QTest::newRow("no filter accepts every row") << QList<Filter>{} << none << all << "";
    QTest::newRow("= is case-sensitive text") << QList<Filter>{{"name", "=", "alpha", "and", Default}} << none
                                              << QStringList{"10"} << "";
    QTest::newRow("= with a number value compares its text")
        << QList<Filter>{{"status", "=", 2, "and", Default}} << none << QStringList{"2", "10"} << "";
    QTest::newRow("!= on text") << QList<Filter>{{"note", "!=", "ab", "and", Default}} << none
                                << QStringList{"1", "3", "4", "10"} << "";
    QTest::newRow("> on 64-bit integers, exactly") << QList<Filter>{{"big", ">", "9007199254740992", "and", Default}}
                                                   << none << QStringList{"1"} << "";
    QTest::newRow(">= on integers as numbers") << QList<Filter>{{"count", ">=", "10", "and", Default}} << none
                                               << QStringList{"1", "3"} << "";
    QTest::newRow("< on integers, no number counts as 0") << QList<Filter>{{"count", "<", "1", "and", Default}}
                                                          << none << QStringList{"10"} << "";
    QTest::newRow("< on doubles") << QList<Filter>{{"price", "<", "0", "and", Default}} << none
                                  << QStringList{"3"} << "";
    QTest::newRow("<= on doubles") << QList<Filter>{{"price", "<=", "2.5", "and", Default}} << none
                                   << QStringList{"1", "3"} << "";
    QTest::newRow("> on a text column compares doubles") << QList<Filter>{{"name", ">", "-1", "and", Default}}
                                                         << none << all << "";
    QTest::newRow("contains ignores case") << QList<Filter>{{"note", "contains", "Ab", "and", Default}} << none
                                           << QStringList{"1", "2", "4"} << "";
    QTest::newRow("not_contains ignores case") << QList<Filter>{{"note", "not_contains", "CD", "and", Default}}
                                               << none << QStringList{"2", "10"} << "";
    QTest::newRow("empty contains matches every text") << QList<Filter>{{"note", "contains", "", "and", Default}}
                                                       << none << all << "";
    QTest::newRow("or then and, left to right")
        << QList<Filter>{{"status", "=", "1", "or", Default}, {"status", "=", "2", "and", Default},
                         {"count", "=", "9", "and", Default}}
        << none << QStringList{"2", "4"} << "";
    QTest::newRow("a second group narrows by and")
        << QList<Filter>{{"status", "=", "1", "or", Default}, {"status", "=", "2", "and", Default},
                         {"count", "=", "9", "and", "g"}}
        << QStringList{"g", "and"} << QStringList{"2", "4"} << "";
    QTest::newRow("groups join by the condition of the one before")
        << QList<Filter>{{"status", "=", "3", "and", Default}, {"name", "=", "beta", "and", "g"},
                         {"status", "=", "1", "and", "h"}}
        << QStringList{"g", "or", "h", "and"} << QStringList{"1", "4"} << "";
    QTest::newRow("a group without filters counts as true")
        << QList<Filter>{{"status", "=", "2", "and", Default}} << QStringList{"empty", "or", "h", "and"} << all
        << "";
    QTest::newRow("interleaved groups keep their own conditions")
        << QList<Filter>{{"status", "=", "1", "or", Default}, {"count", "=", "9", "and", "g"},
                         {"status", "=", "3", "and", Default}}
        << QStringList{"g", "and"} << QStringList{"4"} << "";
    QTest::newRow("a filter joins the first group of its name")
        << QList<Filter>{{"status", "=", "3", "and", "g"}, {"status", "=", "1", "and", "x"}}
        << QStringList{"g", "or", "x", "and", "g", "and"} << QStringList{"1", "3", "4"} << "";
    QTest::newRow("unknown operation takes no part")
        << QList<Filter>{{"status", "~", "1", "and", Default}, {"status", "=", "2", "and", Default}} << none
        << QStringList{"2", "10"} << "Invalid expression operation:";
    QTest::newRow("unknown condition leaves the group's result")
        << QList<Filter>{{"status", "=", "1", "xor", Default}, {"status", "=", "2", "and", Default}} << none
        << QStringList{"1", "4"} << "Invalid group expression operation:";
    QTest::newRow("unknown group condition leaves the outcome")
        << QList<Filter>{{"status", "=", "1", "and", Default}, {"status", "=", "2", "and", "h"}}
        << QStringList{"g", "nand", "h", "and"} << QStringList{"1", "4"} << "Invalid group expression condition:";
    QTest::newRow("column outside the catalogue reads empty")
        << QList<Filter>{{"nope", "=", "", "and", Default}, {"nope", ">", "-1", "and", Default}} << none << all
        << "";
    QTest::newRow("missing group rejects every row")
        << QList<Filter>{{"status", "=", "1", "and", "absent"}} << none << none
        << "groupFilters doesn't contain value for key='absent'";
}

void TestHardFilters::accepts()
{
    QFETCH(QList<Filter>, filters);
    QFETCH(QStringList, groups);
    QFETCH(QStringList, accepted);
    QFETCH(QString, logged);
    HardFilters hard;
    for (int i = 0; i + 1 < groups.size(); i += 2)
        hard.appendGroup(groups.at(i), groups.at(i + 1));
    for (const Filter &f : filters)
        hard.append(f.role, f.operation, f.value, f.condition, f.group);
    MessageCatcher log;
    hard.compile(&m_catalogue);
    QVERIFY(hard.isCompiled());
    QCOMPARE(acceptedIds(hard), accepted);
    // A problem is told once, when compiled, and not for every row.
    const int messages = log.warnings.size() + log.criticals.size();
    QCOMPARE(messages, logged.isEmpty() ? 0 : 1);
    if (!logged.isEmpty())
        QCOMPARE(log.count(logged), 1);
}

void TestHardFilters::recordsChangeTheOutcome()
{
    MessageCatcher log;
    HardFilters hard;
    hard.append("status", "=", "1", "or", Default);
    hard.append("status", "=", "2", "and", Default);
    hard.append("count", "=", "9", "and", Default);
    QCOMPARE(hard.roles(), (QStringList{"status", "status", "count"}));
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"2", "4"}));

    // Every change asks for a new compile; removing by value compares the value as text.
    hard.removeRole("status", "2");
    QVERIFY(!hard.isCompiled());
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"1", "2", "4"}));
    hard.removeRole("count");
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"1", "4"}));
    QCOMPARE(hard.roles(), QStringList{"status"});

    // A removed group leaves its filters, which reject every row until the group is back.
    hard.appendGroup("g", "and");
    hard.append("name", "contains", "PH", "and", "g");
    hard.removeGroup("g");
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), QStringList{});
    hard.appendGroup("g", "and");
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"1"}));
    hard.removeGroupFilters("g");
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"1", "4"}));

    // Resetting the groups keeps "default" alone; clearing the filters accepts every row.
    hard.resetGroups();
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), (QStringList{"1", "4"}));
    hard.append("status", "=", "1", "and", "g");
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard), QStringList{});
    hard.clear();
    QVERIFY(hard.roles().isEmpty());
    hard.compile(&m_catalogue);
    QCOMPARE(acceptedIds(hard).size(), rows().size());
    QCOMPARE(log.count("groupFilters doesn't contain value for key='g'"), 2);
}

void TestHardFilters::withoutCatalogueEveryValueIsText()
{
    HardFilters hard;
    // No column is known: each reads as an empty value, which is 0 as a number.
    hard.append("count", ">", "5", "and", Default);
    hard.compile(nullptr);
    QCOMPARE(acceptedIds(hard), QStringList{});
    hard.clear();
    hard.append("count", "<=", "0", "and", Default);
    hard.append("name", "=", "", "and", Default);
    hard.compile(nullptr);
    QCOMPARE(acceptedIds(hard).size(), rows().size());
}

QTEST_GUILESS_MAIN(TestHardFilters)
#include "tst_hardfilters.moc"
