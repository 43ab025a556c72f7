#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

struct QMetaObject;

// The share of a test program's functions that one of its ctest entries runs, as KORIV_TEST_PART
// tells it ("2/3"): the functions are dealt out costliest first, each to the part that costs least
// so far, by the costs given (seconds, as measured; 1 for a function not named), so that every
// function runs in exactly one part and the parts take about as long. Without KORIV_TEST_PART the
// command line stays as it is and every function runs. Costs a sort of the functions.
class TestPart
{
public:
    TestPart(int argc, char *argv[], const QMetaObject &test, const QHash<QString, int> &costs);
    // argv() points into the names it holds.
    TestPart(const TestPart &) = delete;
    TestPart &operator=(const TestPart &) = delete;

    // The test functions of the part, in the order declared; empty without KORIV_TEST_PART.
    QStringList functions() const { return m_functions; }
    // Why the part cannot run (a malformed KORIV_TEST_PART, a part with no function); empty when
    // it can.
    QString error() const { return m_error; }
    // The functions named among the costs that the test does not have: one renamed costs 1 until
    // its cost is renamed too.
    QStringList unknownCosts() const { return m_unknownCosts; }
    // The command line with the part's functions after the arguments given.
    int argc() const { return int(m_argv.size()) - 1; }
    char **argv() { return m_argv.data(); }

    // The test functions of test as Qt Test finds them, in the order declared.
    static QStringList testFunctions(const QMetaObject &test);
    // functions dealt out into count parts by their costs, each part in the order given; no part
    // for a count below 1.
    static QList<QStringList> deal(const QStringList &functions, const QHash<QString, int> &costs, int count);

private:
    // The functions of the part told, of all those of the test.
    void choose(const QString &told, const QStringList &all, const QHash<QString, int> &costs);

    QStringList m_functions;
    QString m_error;
    QStringList m_unknownCosts;
    QByteArrayList m_names;
    std::vector<char *> m_argv;
};
