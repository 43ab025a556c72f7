#include "client/controller/security/securityoption.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/security/optionvaluecontroller.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "common/core/utils/utils.h"
#include "model/orlem/city/city.h"
#include "scratchdatabase.h"
#include "standinclient.h"
#include "standinserver.h"
#include "timelimit.h"

#include <QtTest>

using namespace Client::Controller;

namespace {

// A page's controller of the given protocol name (the cities' by default), as a page declares it.
class PageController : public DesktopController
{
public:
    explicit PageController(const QString &name = QStringLiteral("city"))
        : m_name(name)
    {
        useOwnModel<Model::Orlem::City>();
        setUseTrGetList(true);
        addOwnRows(this);
    }
    QString name() const override { return m_name; }

    // What a page does with list rows: adds the rows of its own requests.
    static void addOwnRows(ItemController *controller)
    {
        QObject::connect(controller, &ItemController::saListInfo, controller, [controller](const QVariantMap &row) {
            if (row.value(QStringLiteral("RECEIVER")).toString() == controller->objectNumber())
                controller->originalModel()->addRow(row);
        });
    }

private:
    QString m_name;
};

// Waits for the end of the controller's own list answer.
bool listLoaded(ItemController *controller, const std::function<bool()> &request)
{
    QSignalSpy answers(controller, &ItemController::saGetList);
    if (!request())
        return false;
    return QTest::qWaitFor(
        [&] {
            for (const QList<QVariant> &answer : answers) {
                const QVariantMap params = answer.first().toMap();
                if (params.value("STATE") == "end" && params.value("RECEIVER").toString() == controller->objectNumber())
                    return true;
            }
            return false;
        },
        timeLimit(10000));
}

// Loads the session and the rights of the client's user into the process-wide controllers, as the
// shell does after sign-in. Those answer to one network only, so this client's own instances
// fetch the rows and hand them over.
bool loadRights(StandinClient &client)
{
    client.activate();
    UserSession session;
    QSignalSpy opened(&session, &UserSession::saOpen);
    session.trOpen();
    if (!opened.wait(timeLimit(10000)))
        return false;
    SpSingleton<UserSession>::instance()->handleMessage("saOpen", opened.first().first().toMap());
    SecurityOption options;
    options.setUseTrGetList(true);
    PageController::addOwnRows(&options);
    if (!listLoaded(&options, [&] { return options.trGetList({}, true); }))
        return false;
    UserGroupSecurityOption groupValues;
    UserSecurityOption userValues;
    const QList<QPair<OptionValueController *, OriginalModel *>> lists{
        {&groupValues, SpSingleton<UserGroupSecurityOption>::instance()->originalModel()},
        {&userValues, SpSingleton<UserSecurityOption>::instance()->originalModel()}};
    for (const auto &list : lists) {
        OptionValueController *values = list.first;
        values->setUseTrGetList(true);
        PageController::addOwnRows(values);
        const QVariantMap params = values == &groupValues
            ? QVariantMap{{"rst_id_group", session.rstIdGroup()}}
            : QVariantMap{{"rst_id_owner", session.rstIdOwner()}};
        if (!listLoaded(values, [&] { return values->trGetList(params, true); }))
            return false;
        list.second->clear();
        for (int row = 0; row < values->originalModel()->rowCount(); ++row)
            list.second->addRow(values->originalModel()->data(row));
    }
    return true;
}

QString effective(const QString &code)
{
    return SecurityOption::effectiveValue4CurrentUser(
        code, SpSingleton<UserGroupSecurityOption>::instance()->originalModel(),
        SpSingleton<UserSecurityOption>::instance()->originalModel());
}

QVariantMap waitAnswer(QSignalSpy &spy)
{
    if (spy.isEmpty() && !spy.wait(timeLimit(10000)))
        return {};
    return spy.takeFirst().first().toMap();
}

} // namespace

// Two clients of the stand-in over PostgreSQL: lists, locks, updates and the pushes between them.
class TestStandinLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listLockUpdatePush();
    void rightsOfAnOperator();

private:
    std::unique_ptr<ScratchDatabase> m_database;
    StandinServer m_server;
};

void TestStandinLists::initTestCase()
{
    m_database = std::make_unique<ScratchDatabase>();
    QVERIFY2(m_database->isOpen(), qPrintable(m_database->error()));
    m_server.setEnvironment(m_database->environment());
    Utils utils;
    QVERIFY(m_server.start({"--database", "--user", "opa:" + utils.getPwdHash("pa"), "--user",
                            "opb:" + utils.getPwdHash("pb"), "--user", "operator:" + utils.getPwdHash("op")}));
}

void TestStandinLists::listLockUpdatePush()
{
    StandinClient a;
    StandinClient b;
    QVERIFY(a.signIn(m_server.port(), "opa", "pa"));
    QVERIFY(b.signIn(m_server.port(), "opb", "pb"));

    // Client a opens the session and loads the signed-in user's rights, as the shell does.
    QVERIFY(loadRights(a));
    const QString owner = SpSingleton<UserSession>::instance()->rstIdOwner();
    QVERIFY(SecurityOption().originalModel()->rowCount() > 900);
    QCOMPARE(effective("city.crud.read"), QString("1"));

    // a creates three cities and lists them; b lists the same rows.
    PageController cityA;
    QSignalSpy created(&cityA, &DesktopController::saNew);
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        cityA.trNew({{"name", name}});
    QTRY_COMPARE_WITH_TIMEOUT(created.count(), 3, timeLimit(10000));
    for (const QList<QVariant> &answer : qAsConst(created))
        QCOMPARE(answer.first().toMap().value("RES").toString(), QString("10"));
    QVERIFY(listLoaded(&cityA, [&] { return cityA.trGetList(); }));
    QCOMPARE(cityA.originalModel()->rowCount(), 3);
    b.activate();
    PageController cityB;
    QVERIFY(listLoaded(&cityB, [&] { return cityB.trGetList(); }));
    QCOMPARE(cityB.originalModel()->rowCount(), 3);
    const QString alpha = cityB.originalModel()->data("name", "Alpha", "id").toString();
    QVERIFY(!alpha.isEmpty());
    const int rowB = cityB.originalModel()->findId(alpha);

    // a locks Alpha: b's table shows the lock holder; b's own lock is refused and changes nothing.
    a.activate();
    QSignalSpy lockedA(&cityA, &DesktopController::saLock);
    cityA.trLock({{"id", alpha}});
    QCOMPARE(waitAnswer(lockedA).value("RES").toString(), QString("10"));
    QCOMPARE(cityA.originalModel()->data(cityA.originalModel()->findId(alpha), "rst_id_user_locked").toString(), owner);
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "rst_id_user_locked").toString(), owner, timeLimit(10000));
    b.activate();
    QSignalSpy lockedB(&cityB, &DesktopController::saLock);
    cityB.trLock({{"id", alpha}});
    const QVariantMap refused = waitAnswer(lockedB);
    QCOMPARE(refused.value("RES").toString(), QString("0"));
    QCOMPARE(refused.value("ERRCODE").toString(), QString("100"));
    QCOMPARE(cityB.originalModel()->data(rowB, "rst_id_user_locked").toString(), owner);

    // a renames Alpha: the push reaches b, whose incremental reload brings the new name.
    a.activate();
    QSignalSpy updatedA(&cityA, &DesktopController::saUpdate);
    cityA.trUpdate({{"id", alpha}, {"name", "Alpha 2"}});
    b.activate();
    QCOMPARE(waitAnswer(updatedA).value("RES").toString(), QString("10"));
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "name").toString(), QString("Alpha 2"), timeLimit(10000));
    QCOMPARE(cityB.originalModel()->rowCount(), 3);
    const QList<QJsonObject> reloads = m_server.received("city_trGetList");
    QVERIFY(!reloads.isEmpty());
    QCOMPARE(reloads.last().value("_do_not_clear_model").toString(), QString("1"));
    QVERIFY(reloads.last().value("dt_utc_last_update").toString().toLongLong() > 1);

    // a unlocks: b's table shows the record free again.
    a.activate();
    cityA.trUnlock({{"id", alpha}});
    b.activate();
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "rst_id_user_locked").toString(), QString("1"), timeLimit(10000));
}

void TestStandinLists::rightsOfAnOperator()
{
    // The seeded operators may read cities but not the drivers' balance logs.
    StandinClient client;
    QVERIFY(client.signIn(m_server.port(), "operator", "op"));
    QVERIFY(loadRights(client));
    QCOMPARE(effective("city.crud.read"), QString("1"));
    QVERIFY(effective("dbl.crud.read") != "1");

    PageController cities;
    QVERIFY(listLoaded(&cities, [&] { return cities.trGetList(); }));
    PageController logs("dbl");
    QSignalSpy answers(&logs, &ItemController::saGetList);
    // Without the right the client sends nothing at all...
    QVERIFY(!logs.trGetList({{"rst_id_owner", "1"}}));
    QVERIFY(!logs.trGetList());
    QTest::qWait(timeLimit(200));
    QVERIFY(m_server.received("dbl_trGetList").isEmpty());
    QVERIFY(answers.isEmpty());
    // ... and the server refuses the same request when it is sent anyway.
    QVERIFY(logs.trGetList({}, true));
    const QVariantMap refused = waitAnswer(answers);
    QCOMPARE(refused.value("RES").toString(), QString("0"));
    QCOMPARE(refused.value("ERRCODE").toString(), QString("50"));
    QCOMPARE(logs.originalModel()->rowCount(), 0);
}

QTEST_MAIN(TestStandinLists)
#include "tst_standinlists.moc"
