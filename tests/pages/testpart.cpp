#include "testpart.h"

#include <QMetaMethod>
#include <QMetaObject>

#include <algorithm>
#include <numeric>

namespace {

// Qt Test's own slots, which no part names.
bool isTestFunction(const QMetaMethod &method)
{
    static const QByteArrayList own{"initTestCase", "initTestCase_data", "cleanupTestCase", "init", "cleanup"};
    return method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private
        && method.parameterCount() == 0 && !own.contains(method.name()) && !method.name().endsWith("_data");
}

// The index and count of a part told as "2/3"; false when told otherwise.
bool readPart(const QString &told, int *index, int *count)
{
    const QStringList numbers = told.split(QLatin1Char('/'));
    bool indexRead = false;
    bool countRead = false;
    *index = numbers.value(0).toInt(&indexRead);
    *count = numbers.value(1).toInt(&countRead);
    return numbers.size() == 2 && indexRead && countRead && *count >= 1 && *index >= 1 && *index <= *count;
}

} // namespace

QStringList TestPart::testFunctions(const QMetaObject &test)
{
    QStringList names;
    for (int i = test.methodOffset(); i < test.methodCount(); ++i) {
        const QMetaMethod method = test.method(i);
        if (isTestFunction(method))
            names.append(QString::fromLatin1(method.name()));
    }
    return names;
}

QList<QStringList> TestPart::deal(const QStringList &functions, const QHash<QString, int> &costs, int count)
{
    if (count < 1)
        return {};
    // Costliest first; of equal costs the one given first.
    std::vector<int> order(size_t(functions.size()));
    std::iota(order.begin(), order.end(), 0);
    const auto cost = [&](int i) { return costs.value(functions.at(i), 1); };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return cost(a) > cost(b); });
    std::vector<int> loads(size_t(count), 0);
    std::vector<size_t> partOf(size_t(functions.size()));
    for (int i : order) {
        const auto lightest = std::min_element(loads.begin(), loads.end());
        *lightest += cost(i);
        partOf[size_t(i)] = size_t(lightest - loads.begin());
    }
    QList<QStringList> parts;
    for (int part = 0; part < count; ++part)
        parts.append(QStringList());
    for (int i = 0; i < functions.size(); ++i)
        parts[int(partOf[size_t(i)])].append(functions.at(i));
    return parts;
}

TestPart::TestPart(int argc, char *argv[], const QMetaObject &test, const QHash<QString, int> &costs)
{
    m_argv.assign(argv, argv + argc);
    const QString told = qEnvironmentVariable("KORIV_TEST_PART");
    if (!told.isEmpty())
        choose(told, testFunctions(test), costs);
    for (const QString &function : qAsConst(m_functions))
        m_names.append(function.toLatin1());
    for (QByteArray &name : m_names)
        m_argv.push_back(name.data());
    m_argv.push_back(nullptr);
}

void TestPart::choose(const QString &told, const QStringList &all, const QHash<QString, int> &costs)
{
    int index = 0;
    int count = 0;
    if (!readPart(told, &index, &count)) {
        m_error = QStringLiteral("KORIV_TEST_PART is \"%1\", not a part such as \"2/3\"").arg(told);
        return;
    }
    for (auto named = costs.cbegin(); named != costs.cend(); ++named) {
        if (!all.contains(named.key()))
            m_unknownCosts.append(named.key());
    }
    m_unknownCosts.sort();
    m_functions = deal(all, costs, count).at(index - 1);
    if (m_functions.isEmpty())
        m_error = QStringLiteral("part %1 has none of the %2 test functions").arg(told).arg(all.size());
}
