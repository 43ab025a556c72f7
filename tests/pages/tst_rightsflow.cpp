// Rights at work over the stand-in: the program is signed in as the seeded operator; the
// administrator, a second client, changes the operators' group value and the operator's own value
// of the city read right with the requests the security option pages send (lock, update granted,
// unlock). The operator's open city table follows each push at once, and the stand-in refuses
// what the rights forbid, also a request forced past the program's own check.
#include "pagecontrols.h"
#include "pageprogram.h"
#include "pagetestmain.h"
#include "secondclient.h"

#include "shell/context.h"
#include "shell/global.h"
#include "startup/startup.h"

#include "model/orlem/city/city.h"
#include "model/tavik/security/usergroupsecurityoption.h"
#include "model/tavik/security/usersecurityoption.h"
#include "timelimit.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString AdminPassword = QStringLiteral("admin's own");
const QString OperatorPassword = QStringLiteral("night shift");
const QString ReadOption = QStringLiteral("(SELECT id FROM security_options WHERE code = 'city.crud.read')");
const QString Operator = QStringLiteral("(SELECT id FROM users WHERE sign = 'operator')");

QAbstractItemModel *shownRows(QObject *page)
{
    return PageControls::rowsOf(PageControls::tableViewOf(page));
}

} // namespace

class TestRightsFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void groupRightFollowsAtOnce();
    void userValueOverridesTheGroup();

private:
    // The administrator's change of one value row, as the option pages make it.
    template<typename Catalogue>
    void change(const QString &controller, const QString &id, const QVariantMap &values);
    void setGroupValue(const QString &value);
    void setUserValue(const QString &value, const QString &isUsing);
    // The city list asked for past the program's check: the stand-in's answer code.
    QString forcedListAnswer();
    // The open table shows no city and says why.
    void expectWithheld(QObject *table);

    // Made first and gone last: see SecondClient.
    SecondClient m_admin;
    PageProgram m_program;
};

void TestRightsFlow::initTestCase()
{
    const QString failure = m_program.start("rightsflow", {"admin:" + passwordDigest(AdminPassword)}, {}, "operator",
                                            OperatorPassword);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(m_admin.signIn(m_program.server().port(), "admin", AdminPassword));
    // A city the operator's shared list holds (the stand-in pushes it to every client).
    m_admin.watch<Model::Orlem::City>("city");
    QCOMPARE(m_admin.request("trNew", {{"name", "Kharkiv"}}).value("RES").toString(), QString("10"));
    // The operator's own value row, not in use: a platform server makes it with the user.
    m_program.query("INSERT INTO user_security_options (rst_id_owner, rst_id_so, option_value, is_using) SELECT "
                    + Operator + ", " + ReadOption + ", '0', 0");
}

void TestRightsFlow::cleanup()
{
    const QString problems = m_program.problems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

template<typename Catalogue>
void TestRightsFlow::change(const QString &controller, const QString &id, const QVariantMap &values)
{
    QVERIFY(!id.isEmpty());
    m_admin.watch<Catalogue>(controller);
    QCOMPARE(m_admin.request("trLock", {{"id", id}}).value("RES").toString(), QString("10"));
    QVariantMap update = values;
    update.insert("id", id);
    QCOMPARE(m_admin.request("trUpdate", update).value("RES").toString(), QString("10"));
    QCOMPARE(m_admin.request("trUnlock", {{"id", id}}).value("RES").toString(), QString("10"));
}

void TestRightsFlow::setGroupValue(const QString &value)
{
    const QString id = m_program.query("SELECT id FROM user_group_security_options WHERE rst_id_so = " + ReadOption
                                       + " AND rst_id_group = (SELECT rst_id_group FROM users WHERE sign = 'operator')")
                           .toString();
    change<Model::Tavik::UserGroupSecurityOption>("ugso", id, {{"option_value", value}});
}

void TestRightsFlow::setUserValue(const QString &value, const QString &isUsing)
{
    const QString id = m_program.query("SELECT id FROM user_security_options WHERE rst_id_so = " + ReadOption
                                       + " AND rst_id_owner = " + Operator)
                           .toString();
    change<Model::Tavik::UserSecurityOption>("uso", id, {{"option_value", value}, {"is_using", isUsing}});
}

QString TestRightsFlow::forcedListAnswer()
{
    QObject *cities = Context::global()->property("city").value<QObject *>();
    if (!cities)
        return QStringLiteral("no shared city list");
    QSignalSpy answers(cities, SIGNAL(saGetList(QVariantMap)));
    const QString receiver = cities->property("objectNumber").toString();
    bool sent = false;
    QMetaObject::invokeMethod(cities, "trGetList", Q_RETURN_ARG(bool, sent), Q_ARG(QVariantMap, QVariantMap()),
                              Q_ARG(bool, true));
    if (!sent)
        return QStringLiteral("not sent");
    QVariantMap answer;
    QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &arguments : answers) {
                const QVariantMap map = arguments.first().toMap();
                if (map.value("RECEIVER").toString() == receiver)
                    answer = map;
            }
            return !answer.isEmpty();
        },
        timeLimit(10000));
    return answer.value("RES").toString() + "/" + answer.value("ERRCODE").toString();
}

void TestRightsFlow::expectWithheld(QObject *table)
{
    QTRY_COMPARE(shownRows(table)->rowCount(), 0);
    QTRY_VERIFY(!m_program.watchdog().boxes().isEmpty());
    QVERIFY2(m_program.watchdog().texts().join('\n').contains("You don't have enough access privileges"),
             qPrintable(m_program.watchdog().texts().join('\n')));
    m_program.watchdog().reset();
    // The program's own check sends nothing; forced past it, the stand-in refuses.
    QObject *cities = Context::global()->property("city").value<QObject *>();
    bool sent = true;
    QMetaObject::invokeMethod(cities, "trGetList", Q_RETURN_ARG(bool, sent), Q_ARG(QVariantMap, QVariantMap()),
                              Q_ARG(bool, false));
    QVERIFY(!sent);
    QCOMPARE(forcedListAnswer(), QString("0/50"));
}

void TestRightsFlow::groupRightFollowsAtOnce()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/address/city/CityTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(shownRows(table)->rowCount() > 0);

    setGroupValue("0");
    expectWithheld(table);

    setGroupValue("1");
    QTRY_VERIFY(shownRows(table)->rowCount() > 0);
    QCOMPARE(forcedListAnswer(), QString("10/"));
    QVERIFY(m_program.closePage(table));
}

void TestRightsFlow::userValueOverridesTheGroup()
{
    QPointer<QObject> table = m_program.openPage("qrc:/qml/address/city/CityTable.qml");
    QVERIFY(table);
    QTRY_VERIFY(shownRows(table)->rowCount() > 0);

    // The user's "No" in use withdraws what the group grants.
    setUserValue("0", "1");
    expectWithheld(table);

    // The user's "Yes" in use grants what the group withholds.
    setUserValue("1", "1");
    QTRY_VERIFY(shownRows(table)->rowCount() > 0);
    setGroupValue("0");
    QCOMPARE(forcedListAnswer(), QString("10/"));
    QVERIFY(shownRows(table)->rowCount() > 0);
    QVERIFY(m_program.watchdog().boxes().isEmpty());

    // Not in use, the user's value counts for nothing: the group's "No" holds again.
    setUserValue("1", "0");
    expectWithheld(table);

    setGroupValue("1");
    QTRY_VERIFY(shownRows(table)->rowCount() > 0);
    QVERIFY(m_program.closePage(table));
}

KORIV_PAGE_TEST_MAIN(TestRightsFlow)

#include "tst_rightsflow.moc"
