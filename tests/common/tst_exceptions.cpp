#include "common/core/exception/conversionlocaldatetimeexception.h"
#include "common/core/exception/location.h"
#include "common/core/exception/sqlqueryexception.h"
#include "common/core/singleton/spsingleton.h"
#include "common/core/singleton/weakpointerex.h"

#include <QSqlQuery>
#include <QtTest>

namespace {

class Counted : public QObject
{
public:
    Counted() { ++constructed; }
    static int constructed;
};
int Counted::constructed = 0;

namespace Inner {
struct Probe
{
    QString where() const { return COMMON_LOCATION; }
};
} // namespace Inner

} // namespace

// The exception family, the location convention and the two object holders.
class TestExceptions : public QObject
{
    Q_OBJECT

private slots:
    void messages();
    void sqlQueryException();
    void location_data();
    void location();
    void singleton();
    void weakPointer();
};

void TestExceptions::messages()
{
    const Exception plain("Failed to insert record");
    QCOMPARE(plain.message(), QString("Failed to insert record"));
    QCOMPARE(QByteArray(plain.what()), QByteArray("Failed to insert record"));

    const Exception cyrillic(QString::fromUtf8("Ошибка"));
    QCOMPARE(QByteArray(cyrillic.what()), QString::fromUtf8("Ошибка").toUtf8());

    const ConversionLocalDateTimeException conversion("31.02.2020", "10:00");
    QCOMPARE(conversion.message(), QString("Conversion error. Date: 31.02.2020. Time: 10:00"));
    // Placeholders inside the inputs are not substituted again.
    QCOMPARE(ConversionLocalDateTimeException("%2", "%1").message(),
             QString("Conversion error. Date: %2. Time: %1"));

    // Kinds are caught through the base and keep their text.
    try {
        throw ConversionLocalDateTimeException("a", "b");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString("Conversion error. Date: a. Time: b"));
    }
}

void TestExceptions::sqlQueryException()
{
    QCOMPARE(SqlQueryException::compose("Query exec error", "SELECT 1", "syntax error", {}),
             QString("Query exec error: SELECT 1: syntax error"));
    QCOMPARE(SqlQueryException::compose("Query prepare error", "SELECT * FROM t WHERE id = :id",
                                        "no table", {{":id", 5}}),
             QString("Query prepare error: SELECT * FROM t WHERE id = :id: no table: {\":id\":5}"));

    // Built from a query that never ran: empty statement and error text, no trailing ": ".
    const SqlQueryException fromQuery("Query exec error", QSqlQuery(), {});
    QVERIFY(fromQuery.message().startsWith("Query exec error: : "));
    QVERIFY(!fromQuery.message().endsWith(": "));
}

void TestExceptions::location_data()
{
    QTest::addColumn<QString>("pretty");
    QTest::addColumn<QString>("name");
    QTest::newRow("member") << "bool Common::Dao::insert(const QString&)" << "Common::Dao::insert";
    QTest::newRow("const member") << "QString Foo::bar() const" << "Foo::bar";
    QTest::newRow("pointer result") << "static T* SpSingleton<T>::instance() [with T = A]"
                                    << "SpSingleton<T>::instance";
    QTest::newRow("template arguments") << "void Foo<std::map<int, int> >::run(int)"
                                        << "Foo<std::map<int, int> >::run";
    QTest::newRow("constructor") << "Common::Network::Network()" << "Common::Network::Network";
    QTest::newRow("call operator") << "void Foo::operator()(int)" << "Foo::operator()";
    // Clang's spellings.
    QTest::newRow("clang unnamed namespace") << "QString (anonymous namespace)::Inner::Probe::where() const"
                                             << "{anonymous}::Inner::Probe::where";
    QTest::newRow("clang pointer result") << "const char *(anonymous namespace)::free()"
                                          << "{anonymous}::free";
    QTest::newRow("clang template") << "static T *SpSingleton<A>::instance() [T = A]"
                                    << "SpSingleton<A>::instance";
    QTest::newRow("clang lambda") << "auto Foo::bar()::(anonymous class)::operator()() const" << "Foo::bar";
}

void TestExceptions::location()
{
    QFETCH(QString, pretty);
    QFETCH(QString, name);
    QCOMPARE(Common::qualifiedFunctionName(pretty.toUtf8().constData()), name);

    // The macro: the file relative to the source tree, the qualified function, the line.
    const QString where = Inner::Probe().where();
    QVERIFY2(where.startsWith("tests/common/tst_exceptions.cpp::"), qPrintable(where));
    QVERIFY2(where.contains("::{anonymous}::Inner::Probe::where:"), qPrintable(where));
    QCOMPARE(Common::warningLine("here", "broken"), QString("here: broken"));
    QCOMPARE(Common::warningLine("%2", "%1"), QString("%2: %1"));
}

void TestExceptions::singleton()
{
    QCOMPARE(Counted::constructed, 0);
    Counted *first = SpSingleton<Counted>::instance();
    Counted *second = SpSingleton<Counted>::instance();
    QVERIFY(first);
    QCOMPARE(first, second);
    QCOMPARE(Counted::constructed, 1);
    // The holder tracks the QObject, so guarded pointers work from the object itself.
    QPointer<QObject> guard(first);
    QVERIFY(!guard.isNull());
    QCOMPARE(SpSingleton<Counted>::pointer().data(), first);
}

void TestExceptions::weakPointer()
{
    const QString nullText("WeakPointerEx: inline T * data() const: Pointer is null!");

    WeakPointerEx<int> empty{QSharedPointer<int>()};
    try {
        empty.data();
        QFAIL("a null holder must throw");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), nullText);
    }

    auto strong = QSharedPointer<int>::create(5);
    WeakPointerEx<int> weak(strong);
    QCOMPARE(*weak.data(), 5);
    strong.reset();
    QVERIFY_EXCEPTION_THROWN(weak.data(), Exception);
}

QTEST_GUILESS_MAIN(TestExceptions)
#include "tst_exceptions.moc"
