#include "client/net/apinetwork.h"
#include "common/core/exception/exception.h"
#include "gui/security/securitylookup.h"
#include "optionrights.h"
#include "testcontroller.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

using Gui::SecurityLookup;

// The pages' questions about rights: operation names and numbers, and the answers from the
// signed-in user's option rows.
class TestSecurityLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nothingBeforeTheLists();
    void operationNames_data();
    void operationNames();
    void answers_data();
    void answers();
    void unknownOperationInAScript();

private:
    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<OptionRights> m_rights;
    SecurityLookup m_lookup;
};

void TestSecurityLookup::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
}

void TestSecurityLookup::nothingBeforeTheLists()
{
    TestController car("car");
    QVERIFY(!m_lookup.state(&car, 1));
    QCOMPARE(m_lookup.value(&car, 7), QString());
    m_rights = std::make_unique<OptionRights>("2", "5");
    QVERIFY(!m_lookup.state(&car, 1));
}

void TestSecurityLookup::operationNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    const QStringList names{"create", "read", "update", "delete", "duplicate", "update_locked_record",
                            "open_editor", "table_mapping"};
    for (int i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(names.at(i))) << names.at(i) << i;
    QTest::newRow("names are case-sensitive") << "Read" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestSecurityLookup::operationNames()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    if (number >= 0) {
        QCOMPARE(SecurityLookup::operationNumber(name), number);
        return;
    }
    try {
        SecurityLookup::operationNumber(name);
        QFAIL("an unknown operation was accepted");
    } catch (const Exception &e) {
        QCOMPARE(e.message(), QString("Unknown operation"));
    }
}

void TestSecurityLookup::answers_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("groupValue");
    QTest::addColumn<QString>("userValue");
    QTest::addColumn<bool>("userInUse");
    QTest::addColumn<bool>("state");
    QTest::addColumn<QString>("value");
    QTest::newRow("group grants") << "read" << "1" << "" << false << true << "1";
    QTest::newRow("user's 0 in use") << "update" << "1" << "0" << true << false << "0";
    QTest::newRow("user's 0 not in use") << "update" << "1" << "0" << false << true << "1";
    QTest::newRow("columns to hide") << "table_mapping" << "[\"phone\",\"email\"]" << "" << false << false
                                     << "[\"phone\",\"email\"]";
    QTest::newRow("missing option") << "delete" << "-" << "" << false << false << "";
}

void TestSecurityLookup::answers()
{
    QFETCH(QString, operation);
    QFETCH(QString, groupValue);
    QFETCH(QString, userValue);
    QFETCH(bool, userInUse);
    QFETCH(bool, state);
    QFETCH(QString, value);
    m_rights->clear();
    const QString code = "driver.crud." + operation;
    if (groupValue != "-")
        m_rights->setGroupValue(code, groupValue);
    if (!userValue.isEmpty())
        m_rights->setUserValue(code, userValue, userInUse);
    TestController driver("driver");
    const int number = SecurityLookup::operationNumber(operation);
    QCOMPARE(m_lookup.optionValue("driver", number), value);
    QCOMPARE(m_lookup.state(&driver, number), state);
    QCOMPARE(m_lookup.value(&driver, number), value);
    // A name no controller uses is looked up all the same.
    QCOMPARE(m_lookup.stateByName("driver", number), state);
    QVERIFY(!m_lookup.stateByName("driverArchive", number));
    QVERIFY(!m_lookup.state(nullptr, number));
    QCOMPARE(m_lookup.value(nullptr, number), QString());
    QCOMPARE(m_lookup.securityState(&driver, operation), state);
    QCOMPARE(m_lookup.securityValue(&driver, operation), value);
    QCOMPARE(m_lookup.securityStateByName("driver", operation), state);
    QVERIFY_EXCEPTION_THROWN(m_lookup.optionValue("driver", 8), Exception);
}

void TestSecurityLookup::unknownOperationInAScript()
{
    m_rights->clear();
    m_rights->grantRead("testRows");
    QQmlEngine engine;
    engine.rootContext()->setContextProperty("SECURITY", &m_lookup);
    TestController controller;
    engine.rootContext()->setContextProperty("rows", &controller);
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQml 2.15
QtObject {
    property bool readable: SECURITY.securityState(rows, "read")
    property string caught: {
        try {
            SECURITY.securityState(rows, "Read")
            return "nothing"
        } catch (error) {
            return error.message
        }
    }
    property string caughtValue: {
        try { SECURITY.securityValue(rows, "write"); return "nothing" } catch (error) { return error.message }
    }
}
)",
                      QUrl());
    std::unique_ptr<QObject> page(component.create());
    QVERIFY2(page, qPrintable(component.errorString()));
    QVERIFY(page->property("readable").toBool());
    QCOMPARE(page->property("caught").toString(), QString("Unknown operation"));
    QCOMPARE(page->property("caughtValue").toString(), QString("Unknown operation"));
}

QTEST_MAIN(TestSecurityLookup)
#include "tst_securitylookup.moc"
