// The share of a test program's functions that each of its ctest entries runs (testpart.h): every
// function in exactly one part, the costliest apart, and the part told by KORIV_TEST_PART.
#include "testpart.h"

#include <QtTest>

// Qt Test's own slots, data functions, public slots and slots with arguments are no test functions.
class Sample : public QObject
{
    Q_OBJECT

public slots:
    void notATest() {}

private slots:
    void initTestCase() {}
    void init() {}
    void first_data() {}
    void first() {}
    void second() {}
    void withArgument(int) {}
    void third() {}
    void cleanup() {}
    void cleanupTestCase() {}
};

class TestTestPart : public QObject
{
    Q_OBJECT

private slots:
    void dealing();
    void thePartTold();
};

void TestTestPart::dealing()
{
    QCOMPARE(TestPart::testFunctions(Sample::staticMetaObject), (QStringList{"first", "second", "third"}));

    // Every function in exactly one part, in the order given, however many parts and whatever costs.
    const QStringList functions{"a", "b", "c", "d", "e", "f", "g", "h"};
    const QHash<QString, int> costs{{"a", 56}, {"b", 25}, {"c", 24}, {"d", 11}, {"g", 3}};
    for (const auto &given : {QHash<QString, int>(), costs}) {
        for (int count = 1; count <= 9; ++count) {
            QStringList dealt;
            for (const QStringList &part : TestPart::deal(functions, given, count)) {
                QVERIFY(std::is_sorted(part.cbegin(), part.cend()));
                dealt += part;
            }
            std::sort(dealt.begin(), dealt.end());
            QCOMPARE(dealt, functions);
        }
    }
    // The costliest each in a part of its own; the rest where least is spent.
    QCOMPARE(TestPart::deal(functions, costs, 4),
             (QList<QStringList>{{"a"}, {"b"}, {"c"}, {"d", "e", "f", "g", "h"}}));
    QCOMPARE(TestPart::deal(functions, {}, 3), (QList<QStringList>{{"a", "d", "g"}, {"b", "e", "h"}, {"c", "f"}}));
    // No parts, no part.
    QCOMPARE(TestPart::deal(functions, costs, 0), QList<QStringList>());
    QCOMPARE(TestPart::deal(functions, costs, -1), QList<QStringList>());
}

void TestTestPart::thePartTold()
{
    const QByteArray before = qgetenv("KORIV_TEST_PART");
    const auto restore = qScopeGuard([&] { qputenv("KORIV_TEST_PART", before); });
    char program[] = "tst_sample";
    char option[] = "-silent";
    char *argv[] = {program, option, nullptr};

    // Its functions follow the arguments given.
    qputenv("KORIV_TEST_PART", "2/2");
    TestPart second(2, argv, Sample::staticMetaObject, {{"first", 5}});
    QCOMPARE(second.error(), QString());
    QCOMPARE(second.functions(), (QStringList{"second", "third"}));
    QCOMPARE(second.argc(), 4);
    QCOMPARE(QByteArray(second.argv()[1]), QByteArray("-silent"));
    QCOMPARE(QByteArray(second.argv()[3]), QByteArray("third"));
    QCOMPARE(second.argv()[4], nullptr);

    // None told: the command line as given, every function runs.
    qunsetenv("KORIV_TEST_PART");
    TestPart all(2, argv, Sample::staticMetaObject, {});
    QCOMPARE(all.error(), QString());
    QCOMPARE(all.argc(), 2);
    QCOMPARE(all.argv()[2], nullptr);

    // No part runs what it cannot tell.
    for (const char *told : {"0/3", "4/3", "2", "a/b", "1/0"}) {
        qputenv("KORIV_TEST_PART", told);
        QVERIFY2(!TestPart(2, argv, Sample::staticMetaObject, {}).error().isEmpty(), told);
    }
    // A cost of a function the test does not have is said.
    qputenv("KORIV_TEST_PART", "1/2");
    QCOMPARE(TestPart(2, argv, Sample::staticMetaObject, {{"renamed", 5}, {"first", 2}}).unknownCosts(),
             QStringList{"renamed"});
    qputenv("KORIV_TEST_PART", "4/4");
    QVERIFY(!TestPart(2, argv, Sample::staticMetaObject, {}).error().isEmpty());
}

QTEST_GUILESS_MAIN(TestTestPart)

#include "tst_testpart.moc"
