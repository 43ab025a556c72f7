#include "client/controller/security/securityoption.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "common/core/singleton/spsingleton.h"
#include "common/core/utils/utils.h"
#include "model/orlem/city/city.h"
#include "scratchdatabase.h"
#include "standinclient.h"
#include "standinserver.h"

#include <QtTest>

using namespace Client::Controller;

namespace {

// The cities' controller as a page declares it.
class CityController : public DesktopController
{
public:
    CityController()
    {
        useOwnModel<Model::Orlem::City>();
        setUseTrGetList(true);
        addOwnRows(this);
    }
    QString name() const override { return QStringLiteral("city"); }

    // What a page does with list rows: adds the rows of its own requests.
    static void addOwnRows(ItemController *controller)
    {
        QObject::connect(controller, &ItemController::saListInfo, controller, [controller](const QVariantMap &row) {
            if (row.value(QStringLiteral("RECEIVER")).toString() == controller->objectNumber())
                controller->originalModel()->addRow(row);
        });
    }
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
        10000);
}

QVariantMap waitAnswer(QSignalSpy &spy)
{
    if (spy.isEmpty() && !spy.wait(10000))
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
                            "opb:" + utils.getPwdHash("pb")}));
}

void TestStandinLists::listLockUpdatePush()
{
    StandinClient a;
    StandinClient b;
    QVERIFY(a.signIn(m_server.port(), "opa", "pa"));
    QVERIFY(b.signIn(m_server.port(), "opb", "pb"));

    // Client a opens the session and loads the signed-in user's rights, as the shell does.
    a.activate();
    UserSession *session = SpSingleton<UserSession>::instance();
    QSignalSpy opened(session, &UserSession::saOpen);
    session->trOpen();
    QVERIFY(opened.wait(10000));
    const QString owner = session->rstIdOwner();
    SecurityOption options;
    options.setUseTrGetList(true);
    CityController::addOwnRows(&options);
    QVERIFY(listLoaded(&options, [&] { return options.trGetList({}, true); }));
    auto *groupValues = SpSingleton<UserGroupSecurityOption>::instance();
    auto *userValues = SpSingleton<UserSecurityOption>::instance();
    for (ItemController *values : {static_cast<ItemController *>(groupValues), static_cast<ItemController *>(userValues)})
        values->setUseTrGetList(true), CityController::addOwnRows(values);
    QVERIFY(listLoaded(groupValues, [&] { return groupValues->trGetList({{"rst_id_group", session->rstIdGroup()}}, true); }));
    QVERIFY(listLoaded(userValues, [&] { return userValues->trGetList({{"rst_id_owner", owner}}, true); }));
    QVERIFY(options.originalModel()->rowCount() > 900);
    QCOMPARE(SecurityOption::effectiveValue4CurrentUser("city.crud.read", groupValues->originalModel(),
                                                        userValues->originalModel()),
             QString("1"));

    // a creates three cities and lists them; b lists the same rows.
    CityController cityA;
    QSignalSpy created(&cityA, &DesktopController::saNew);
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        cityA.trNew({{"name", name}});
    QTRY_COMPARE_WITH_TIMEOUT(created.count(), 3, 10000);
    for (const QList<QVariant> &answer : qAsConst(created))
        QCOMPARE(answer.first().toMap().value("RES").toString(), QString("10"));
    QVERIFY(listLoaded(&cityA, [&] { return cityA.trGetList(); }));
    QCOMPARE(cityA.originalModel()->rowCount(), 3);
    b.activate();
    CityController cityB;
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
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "rst_id_user_locked").toString(), owner, 10000);
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
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "name").toString(), QString("Alpha 2"), 10000);
    QCOMPARE(cityB.originalModel()->rowCount(), 3);
    const QList<QJsonObject> reloads = m_server.received("city_trGetList");
    QVERIFY(!reloads.isEmpty());
    QCOMPARE(reloads.last().value("_do_not_clear_model").toString(), QString("1"));
    QVERIFY(reloads.last().value("dt_utc_last_update").toString().toLongLong() > 1);

    // a unlocks: b's table shows the record free again.
    a.activate();
    cityA.trUnlock({{"id", alpha}});
    b.activate();
    QTRY_COMPARE_WITH_TIMEOUT(cityB.originalModel()->data(rowB, "rst_id_user_locked").toString(), QString("1"), 10000);
}

QTEST_MAIN(TestStandinLists)
#include "tst_standinlists.moc"
