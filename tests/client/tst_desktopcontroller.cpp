#include "client/controller/security/securityoption.h"
#include "client/net/apinetwork.h"
#include "modeltester.h"
#include "optionrights.h"
#include "sentmessages.h"
#include "testcontroller.h"
#include "timelimit.h"

#include <QtTest>

#include <memory>

using Client::Controller::DesktopController;

namespace {

// The model as "id:lock" texts, in model order.
QStringList modelState(const DesktopController &controller)
{
    QStringList state;
    auto *model = controller.originalModel();
    for (int r = 0; r < model->rowCount(); ++r)
        state << model->data(r, "id").toString() + ":" + model->data(r, "rst_id_user_locked").toString();
    return state;
}

} // namespace

// Edits, locks, pushes, the timed reload and the read-right guard of desktop controllers,
// driven through the client network as the server's answers arrive.
class TestDesktopController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void answersAboutOtherRecords();
    void pushesBeforeTheFirstList();
    void pushesInARow();
    void pushDuringTheFirstSharedList();
    void readRight_data();
    void readRight();
    void timedReload();
    void refusedTimedReload();
    void edits();
    void unansweredEditAndSearch();
    void seenBeforeTheSend();
    void controllerWithoutModel();

private:
    void deliver(const QString &action, const QVariantMap &params);

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<SentMessages> m_sent;
    std::unique_ptr<OptionRights> m_rights;
    std::unique_ptr<TestController> m_controller;
};

void TestDesktopController::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    m_rights = std::make_unique<OptionRights>();
}

void TestDesktopController::init()
{
    m_rights->clear();
    m_rights->grantRead("testRows");
    m_controller = std::make_unique<TestController>();
    for (const char *id : {"1", "2", "3"}) {
        m_controller->originalModel()->addRow({{"id", id}, {"dt_utc_last_update", QString::number(atoi(id) * 100)},
                                               {"rst_id_user_locked", QString(id) == "3" ? "5" : "1"}});
    }
    m_controller->setUseTrGetList(true);
    QVERIFY(m_controller->trGetList({{"is_archived", "0"}}));
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestDesktopController::cleanup()
{
    m_sent.reset();
    m_controller.reset();
}

void TestDesktopController::deliver(const QString &action, const QVariantMap &params)
{
    QSignalSpy received(m_controller.get(), qOverload<QString, QVariantMap>(&DesktopController::messageReceived));
    m_net->dispatchMessage(m_controller->name(), action, params);
    QTRY_COMPARE(received.count(), 1);
}

void TestDesktopController::answers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QVariantMap>("params");
    QTest::addColumn<QStringList>("modelAfter");
    QTest::addColumn<QList<QVariantMap>>("sentAfter");
    QTest::addColumn<QString>("signal");
    const QStringList untouched{"3:5", "2:1", "1:1"};
    const QVariantMap reload{{"is_archived", "0"}, {"dt_utc_last_update", qint64(301)},
                             {"_do_not_clear_model", "1"}, {"query_limit", qint64(0)},
                             {"FN", "testRows_trGetList"}};
    QTest::newRow("lock") << "saLock" << QVariantMap{{"RES", "10"}, {"id", "2"}, {"rst_id_user_locked", 7}}
                          << QStringList{"3:5", "2:7", "1:1"} << QList<QVariantMap>{} << "saLock";
    QTest::newRow("refused lock") << "saLock" << QVariantMap{{"RES", "0"}, {"ERRCODE", "100"}, {"id", "2"}}
                                  << untouched << QList<QVariantMap>{} << "saLock";
    QTest::newRow("unlock") << "saUnlock" << QVariantMap{{"RES", "10"}, {"id", "3"}, {"rst_id_user_locked", "1"}}
                            << QStringList{"3:1", "2:1", "1:1"} << QList<QVariantMap>{} << "saUnlock";
    QTest::newRow("refused unlock") << "saUnlock" << QVariantMap{{"RES", "0"}, {"ERRCODE", "100"}, {"id", "3"}}
                                    << untouched << QList<QVariantMap>{} << "saUnlock";
    QTest::newRow("lock of an unknown record") << "saLock" << QVariantMap{{"RES", "10"}, {"id", "9"}}
                                               << untouched << QList<QVariantMap>{} << "saLock";
    QTest::newRow("update refused, record exists") << "saUpdate"
                                                   << QVariantMap{{"RES", "0"}, {"ERRCODE", "110"}, {"id", "2"}}
                                                   << untouched << QList<QVariantMap>{} << "saUpdate";
    QTest::newRow("update of a gone record") << "saUpdate" << QVariantMap{{"RES", "0"}, {"ERRCODE", "130"}, {"id", "2"}}
                                             << QStringList{"3:5", "1:1"} << QList<QVariantMap>{} << "saUpdate";
    QTest::newRow("remove") << "saRemove" << QVariantMap{{"RES", "10"}, {"id", "2"}, {"RECEIVER", "ALL"}}
                            << QStringList{"3:5", "1:1"} << QList<QVariantMap>{} << "saRemove";
    QTest::newRow("remove of a gone record") << "saRemove" << QVariantMap{{"RES", "0"}, {"ERRCODE", "110"}, {"id", "1"}}
                                             << QStringList{"3:5", "2:1"} << QList<QVariantMap>{} << "saRemove";
    QTest::newRow("refused remove") << "saRemove" << QVariantMap{{"RES", "0"}, {"ERRCODE", "120"}, {"id", "1"}}
                                    << untouched << QList<QVariantMap>{} << "saRemove";
    QTest::newRow("remove of an unknown record") << "saRemove" << QVariantMap{{"RES", "10"}, {"id", "8"}}
                                                 << untouched << QList<QVariantMap>{} << "saRemove";
    QTest::newRow("new") << "saNew" << QVariantMap{{"RES", "10"}, {"id", "4"}} << untouched << QList<QVariantMap>{}
                         << "saNew";
    // A copy made by any page of the program reloads the list; a refused one sends nothing.
    QTest::newRow("duplicate") << "saDuplicate" << QVariantMap{{"RES", "10"}, {"id", "5"}} << untouched
                               << QList<QVariantMap>{reload} << "saDuplicate";
    QTest::newRow("duplicate by another page") << "saDuplicate" << QVariantMap{{"RES", "10"}, {"id", "5"}, {"RECEIVER", "31"}}
                                               << untouched << QList<QVariantMap>{reload} << "saDuplicate";
    QTest::newRow("refused duplicate") << "saDuplicate" << QVariantMap{{"RES", "0"}, {"ERRCODE", "140"}, {"id", "2"}}
                                       << untouched << QList<QVariantMap>{} << "saDuplicate";
    QTest::newRow("updated elsewhere") << "srUpdated" << QVariantMap{{"RECEIVER", "ALL"}, {"id", "2"}} << untouched
                                       << QList<QVariantMap>{reload} << "srUpdated";
    QTest::newRow("inserted elsewhere") << "srInserted" << QVariantMap{{"RECEIVER", "ALL"}, {"id", "4"}} << untouched
                                        << QList<QVariantMap>{reload} << "srInserted";
    QTest::newRow("unknown answer") << "saArchive" << QVariantMap{{"RES", "10"}, {"id", "2"}} << untouched
                                    << QList<QVariantMap>{} << "";
}

void TestDesktopController::answers()
{
    QFETCH(QString, action);
    QFETCH(QVariantMap, params);
    QFETCH(QStringList, modelAfter);
    QFETCH(QList<QVariantMap>, sentAfter);
    QFETCH(QString, signal);
    const QStringList before = modelState(*m_controller);
    QSignalSpy beginRemove(m_controller.get(), &DesktopController::beginRemove);
    QSignalSpy changed(m_controller->originalModel(), &QAbstractItemModel::dataChanged);
    const QList<QPair<QString, void (DesktopController::*)(QVariantMap)>> announcements{
        {"saLock", &DesktopController::saLock},         {"saUnlock", &DesktopController::saUnlock},
        {"saNew", &DesktopController::saNew},           {"saRemove", &DesktopController::saRemove},
        {"saDuplicate", &DesktopController::saDuplicate}, {"saUpdate", &DesktopController::saUpdate},
        {"srUpdated", &DesktopController::srUpdated},   {"srInserted", &DesktopController::srInserted},
    };
    QStringList fired;
    for (const auto &entry : announcements) {
        const QString name = entry.first;
        connect(m_controller.get(), entry.second, this, [&fired, name, params](const QVariantMap &p) {
            if (p == params)
                fired << name;
        });
    }

    deliver(action, params);
    QCOMPARE(modelState(*m_controller), modelAfter);
    QList<QVariantMap> expected;
    for (QVariantMap message : sentAfter) {
        message.insert("RECEIVER", m_controller->number());
        expected.append(message);
    }
    QCOMPARE(m_sent->maps(), expected);
    QCOMPARE(fired, signal.isEmpty() ? QStringList{} : QStringList{signal});
    const bool removes = action == "saRemove" && (params.value("RES") == "10" || params.value("ERRCODE") == "110");
    QCOMPARE(beginRemove.count(), removes ? 1 : 0);
    if (removes) {
        const int row = before.indexOf(QRegularExpression("^" + params.value("id").toString() + ":.*"));
        QCOMPARE(beginRemove.first().first().toInt(), row);
    }
    // Nothing that leaves the rows as they were announces a change.
    if (modelAfter == before)
        QCOMPARE(changed.count(), 0);
}

void TestDesktopController::answersAboutOtherRecords()
{
    // An editor's controller that follows record 2: the rows take every answer, the page hears
    // only of its record, of its own answers and of what is no record's (an insert elsewhere).
    m_controller->setRecordId("2");
    QStringList heard;
    const auto hear = [&](const char *name) { return [&heard, name](const QVariantMap &p) { heard << name + (":" + p.value("id").toString()); }; };
    connect(m_controller.get(), &DesktopController::saLock, this, hear("saLock"));
    connect(m_controller.get(), &DesktopController::saUpdate, this, hear("saUpdate"));
    connect(m_controller.get(), &DesktopController::saRemove, this, hear("saRemove"));
    connect(m_controller.get(), &DesktopController::srUpdated, this, hear("srUpdated"));
    connect(m_controller.get(), &DesktopController::srInserted, this, hear("srInserted"));
    connect(m_controller.get(), &Client::Controller::ItemController::saInfo, this, hear("saInfo"));
    const QString own = m_controller->objectNumber();
    deliver("saLock", {{"RES", "10"}, {"id", "3"}, {"rst_id_user_locked", "7"}, {"RECEIVER", "31"}});
    deliver("saInfo", {{"RES", "10"}, {"id", "1"}, {"RECEIVER", "31"}});
    deliver("saUpdate", {{"RES", "10"}, {"id", "1"}, {"RECEIVER", "31"}});
    deliver("srUpdated", {{"RECEIVER", "ALL"}, {"id", "1"}});
    deliver("saRemove", {{"RES", "10"}, {"id", "1"}, {"RECEIVER", "ALL"}});
    QCOMPARE(heard, QStringList{});
    QCOMPARE(modelState(*m_controller), (QStringList{"3:7", "2:1"}));
    QCOMPARE(m_sent->maps().size(), 1);
    deliver("saLock", {{"RES", "10"}, {"id", "2"}, {"rst_id_user_locked", "7"}, {"RECEIVER", "31"}});
    deliver("saInfo", {{"RES", "10"}, {"id", "5"}, {"RECEIVER", own}});
    deliver("srUpdated", {{"RECEIVER", "ALL"}, {"id", "2"}});
    deliver("srInserted", {{"RECEIVER", "ALL"}});
    QCOMPARE(heard, (QStringList{"saLock:2", "saInfo:5", "srUpdated:2", "srInserted:"}));
    m_controller->setRecordId("");
    deliver("saLock", {{"RES", "10"}, {"id", "3"}, {"rst_id_user_locked", "1"}, {"RECEIVER", "31"}});
    QCOMPARE(heard.last(), QString("saLock:3"));
}

void TestDesktopController::pushesBeforeTheFirstList()
{
    TestController fresh("freshRows");
    QSignalSpy inserted(&fresh, &DesktopController::srInserted);
    QSignalSpy updated(&fresh, &DesktopController::srUpdated);
    m_net->dispatchMessage("freshRows", "srInserted", {{"RECEIVER", "ALL"}});
    m_net->dispatchMessage("freshRows", "srUpdated", {{"RECEIVER", "ALL"}});
    QTRY_COMPARE(updated.count() + inserted.count(), 0);
    QCoreApplication::processEvents();
    // Pushes are taken once a page has asked for a list; without list requests they only signal.
    fresh.setIgnoreSrUpdated(false);
    fresh.handleMessage("srUpdated", {{"RECEIVER", "ALL"}});
    QCOMPARE(updated.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(m_sent->count(), 0);
}

void TestDesktopController::pushesInARow()
{
    m_controller->handleMessage("srUpdated", {});
    m_controller->originalModel()->addRow({{"id", "4"}, {"dt_utc_last_update", "450"}});
    m_controller->handleMessage("srUpdated", {});
    QCOMPARE(m_sent->maps().size(), 2);
    QCOMPARE(m_sent->maps().at(0).value("dt_utc_last_update").toLongLong(), 301);
    QCOMPARE(m_sent->maps().at(1).value("dt_utc_last_update").toLongLong(), 451);
    // Each reload is remembered; a full reload forgets the incremental keys again.
    QCOMPARE(m_controller->getMapParamsFromTrGetList().value("dt_utc_last_update").toLongLong(), 451);
    m_controller->reGetList();
    QCOMPARE(m_sent->maps().last(), (QVariantMap{{"is_archived", "0"}, {"query_limit", qint64(0)},
                                          {"FN", "testRows_trGetList"}, {"RECEIVER", m_controller->number()}}));
}

void TestDesktopController::pushDuringTheFirstSharedList()
{
    // The catalogue controller that loads the shared rows, and a page's instance showing them.
    m_rights->grantRead("sharedRows");
    TestController catalogue("sharedRows", true);
    TestController page("sharedRows", true);
    Client::Controller::OriginalModel *rows = catalogue.originalModel();
    const QString receiver = catalogue.objectNumber();
    connect(&catalogue, &DesktopController::saListInfo, rows, [&](const QVariantMap &row) {
        if (row.value("RECEIVER").toString() == receiver)
            rows->addRow(row);
    });
    Client::Controller::ProxyModel *view = page.proxyModel();
    watchModel(view);
    const auto send = [&](const QString &action, const QVariantMap &params) {
        m_net->dispatchMessage("sharedRows", action, params);
        QCoreApplication::processEvents();
    };
    const auto deliverRow = [&](int id, const QString &name) {
        send("saListInfo", {{"id", QString::number(id)}, {"name", name}, {"RECEIVER", receiver},
                            {"dt_utc_last_update", QString::number(id * 100)}});
    };
    catalogue.setUseTrGetList(true);
    QVERIFY(catalogue.trGetList({}));
    send("saGetList", {{"STATE", "start"}, {"RECEIVER", receiver}});
    deliverRow(1, "one");
    deliverRow(3, "three");

    // A push in the middle of the list asks for what changed since the newest row held; the
    // view keeps waiting for the list's end.
    send("srUpdated", {{"RECEIVER", "ALL"}, {"id", "3"}});
    const QVariantMap reload = m_sent->maps().last();
    QCOMPARE(reload.value("FN").toString(), QString("sharedRows_trGetList"));
    QCOMPARE(reload.value("dt_utc_last_update").toLongLong(), 301);
    QVERIFY(reload.contains("_do_not_clear_model"));
    QVERIFY(view->isDeferringRows());
    deliverRow(2, "two");
    QCOMPARE(view->rowCount(), 0);
    send("saGetList", {{"STATE", "end"}, {"RECEIVER", receiver}});
    QCOMPARE(view->rowCount(), 3);
    QCOMPARE(view->data(0, "id").toString(), QString("3"));
    // The reload's answer, after the list, reaches the view row by row.
    send("saGetList", {{"STATE", "start"}, {"RECEIVER", receiver}, {"_do_not_clear_model", "1"}});
    deliverRow(4, "four");
    QCOMPARE(view->rowCount(), 4);
}

void TestDesktopController::readRight_data()
{
    QTest::addColumn<QString>("groupValue");
    QTest::addColumn<bool>("checkSo");
    QTest::addColumn<bool>("sent");
    QTest::newRow("granted") << "1" << false << true;
    QTest::newRow("refused") << "0" << false << false;
    QTest::newRow("empty") << "" << false << false;
    QTest::newRow("leading blank") << " 1" << false << false;
    QTest::newRow("no option") << "-" << false << false;
    QTest::newRow("check skipped") << "0" << true << true;
}

void TestDesktopController::readRight()
{
    QFETCH(QString, groupValue);
    QFETCH(bool, checkSo);
    QFETCH(bool, sent);
    m_rights->clear();
    if (groupValue != "-")
        m_rights->setGroupValue("testRows.crud.read", groupValue);
    QCOMPARE(m_controller->trGetList({{"x", "1"}}, checkSo), sent);
    QCOMPARE(m_sent->count(), sent ? 1 : 0);
    // A refused request leaves the remembered parameters as they were.
    QCOMPARE(m_controller->getMapParamsFromTrGetList().contains("x"), sent);
    // Pushes reload through the same check.
    m_controller->handleMessage("srInserted", {});
    QCOMPARE(m_sent->count(), (sent ? 1 : 0) + (groupValue == "1" ? 1 : 0));
}

void TestDesktopController::timedReload()
{
    QSignalSpy enabled(m_controller.get(), &DesktopController::autoUpdateChanged);
    QSignalSpy interval(m_controller.get(), &DesktopController::autoUpdateIntervalChanged);
    QCOMPARE(m_controller->autoUpdateInterval(), 30);
    // Below a second would flood the server: the timer runs once a second at most.
    m_controller->setAutoUpdateInterval(0);
    QCOMPARE(m_controller->autoUpdateInterval(), 1);
    m_controller->setAutoUpdateInterval(-5);
    QCOMPARE(interval.count(), 1);
    m_controller->setUseTrGetList(false);
    m_controller->setAutoUpdate(true);
    m_controller->setAutoUpdate(true);
    QCOMPARE(enabled.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_sent->count() >= 1, timeLimit(3000));
    QCOMPARE(m_sent->maps().first().value("dt_utc_last_update").toLongLong(), 301);
    QCOMPARE(m_sent->maps().first().value("_do_not_clear_model").toString(), QString("1"));
    QVERIFY(!m_controller->useTrGetList());

    // Without the read right the timer sends nothing.
    m_rights->clear();
    m_sent->clear();
    m_controller->onAutoUpdateTimerTimeout();
    QCOMPARE(m_sent->count(), 0);
    m_controller->setAutoUpdate(false);
    QCOMPARE(enabled.count(), 2);
}

void TestDesktopController::refusedTimedReload()
{
    const QString own = m_controller->objectNumber();
    const QVariantMap refusal{{"RES", "0"}, {"ERRCODE", "50"}, {"RECEIVER", own}};
    // A refused list holds the timer: it asks nothing, however often it fires.
    deliver("saGetList", refusal);
    m_controller->onAutoUpdateTimerTimeout();
    m_controller->onAutoUpdateTimerTimeout();
    QCOMPARE(m_sent->count(), 0);

    // A list asked for otherwise goes out; another controller's list ending releases nothing.
    QVERIFY(m_controller->trGetList({{"is_archived", "0"}}));
    QCOMPARE(m_sent->count(), 1);
    deliver("saGetList", {{"STATE", "start"}, {"RECEIVER", "99999"}});
    deliver("saGetList", {{"STATE", "end"}, {"RECEIVER", "99999"}});
    m_controller->onAutoUpdateTimerTimeout();
    QCOMPARE(m_sent->count(), 1);

    // Answered in full: the timer reloads again, until the server refuses one of its reloads.
    deliver("saGetList", {{"STATE", "start"}, {"RECEIVER", own}});
    deliver("saGetList", {{"STATE", "end"}, {"RECEIVER", own}});
    m_controller->onAutoUpdateTimerTimeout();
    QCOMPARE(m_sent->count(), 2);
    QCOMPARE(m_sent->maps().last().value("_do_not_clear_model").toString(), QString("1"));
    deliver("saGetList", refusal);
    m_controller->onAutoUpdateTimerTimeout();
    QCOMPARE(m_sent->count(), 2);
}

void TestDesktopController::edits()
{
    const QVariantMap record{{"id", "2"}, {"name", "x"}};
    m_controller->trNew(record);
    m_controller->trUpdate(record);
    m_controller->trRemove(record);
    m_controller->trDuplicate(record);
    m_controller->trLock(record);
    m_controller->trUnlock(record);
    QStringList actions;
    for (const QVariantMap &message : m_sent->maps()) {
        actions << message.value("FN").toString();
        QCOMPARE(message.value("RECEIVER").toLongLong(), m_controller->number());
        QCOMPARE(message.value("name").toString(), QString("x"));
    }
    QCOMPARE(actions, (QStringList{"testRows_trNew", "testRows_trUpdate", "testRows_trRemove",
                                   "testRows_trDuplicate", "testRows_trLock", "testRows_trUnlock"}));
    m_controller->insertParam4trGetList("rst_id_owner", "7");
    QCOMPARE(m_controller->getMapParamsFromTrGetList().value("rst_id_owner").toString(), QString("7"));
    QCOMPARE(m_controller->getMapParamsFromTrGetList().value("is_archived").toString(), QString("0"));
}

// The last edit stays unanswered until its own answer; a search asks under the controller's name
// with a number of its own, and neither its rows nor its parameters reach the controller's list.
void TestDesktopController::unansweredEditAndSearch()
{
    const QVariantMap record{{"id", "2"}, {"name", "x"}};
    m_controller->trUpdate(record);
    QCOMPARE(m_controller->unansweredEdit().value("action").toString(), QString("trUpdate"));
    QCOMPARE(m_controller->unansweredEdit().value("params").toMap(), record);
    const QString own = m_controller->objectNumber();
    deliver("saUpdate", {{"RES", "10"}, {"id", "2"}, {"RECEIVER", "99999"}});
    deliver("saLock", {{"RES", "10"}, {"id", "2"}, {"RECEIVER", own}});
    QVERIFY(!m_controller->unansweredEdit().isEmpty());
    deliver("saUpdate", {{"RES", "10"}, {"id", "2"}, {"RECEIVER", own}});
    QVERIFY(m_controller->unansweredEdit().isEmpty());

    // An insert pushed meanwhile names its author.
    m_controller->trNew(record);
    deliver("srInserted", {{"id", "9"}, {"id_owner_modify", "4"}, {"RECEIVER", "ALL"}});
    QCOMPARE(m_controller->unansweredEdit().value("announced").toMap(), (QVariantMap{{"9", "4"}}));
    // The loss of the connection is noted on it with the time the server was last heard from,
    // not the time the loss was noticed: no push can have come after that.
    QVERIFY(!m_controller->unansweredEdit().contains("aliveUntil"));
    emit m_net->connectionLost(1234);
    emit m_net->connectionState(false);
    QCOMPARE(m_controller->unansweredEdit().value("aliveUntil").toLongLong(), 1234);
    QCOMPARE(m_controller->unansweredEdit().value("announced").toMap(), (QVariantMap{{"9", "4"}}));

    // The finder's answers reach the finder alone.
    QSignalSpy found(m_controller.get(), &DesktopController::recordsFound);
    QSignalSpy received(m_controller.get(), qOverload<QString, QVariantMap>(&DesktopController::messageReceived));
    const auto toFinder = [this](const QString &action, const QVariantMap &params) {
        m_net->dispatchMessage(m_controller->name(), action, params);
    };
    m_controller->findRecords({{"id", "7"}});
    const QVariantMap search = m_sent->maps().last();
    QCOMPARE(search.value("FN").toString(), QString("testRows_trGetList"));
    QCOMPARE(search.value("id").toString(), QString("7"));
    const QString finder = search.value("RECEIVER").toString();
    QVERIFY(finder != own);
    toFinder("saListInfo", {{"id", "7"}, {"name", "kyiv"}, {"RECEIVER", finder}});
    deliver("saListInfo", {{"id", "8"}, {"RECEIVER", "99999"}});
    toFinder("saGetList", {{"STATE", "end"}, {"RES", "10"}, {"RECEIVER", finder}});
    QTRY_COMPARE(found.count(), 1);
    const QVariantList foundRows = found.first().first().toList();
    QCOMPARE(foundRows.size(), 1);
    QCOMPARE(foundRows.first().toMap().value("id").toString(), QString("7"));
    // Read as the controller's own rows: its row hook prepared them.
    QCOMPARE(foundRows.first().toMap().value("name_upper").toString(), QString("KYIV"));
    QCOMPARE(m_controller->originalModel()->rowCount(), 3);
    QCOMPARE(m_controller->getMapParamsFromTrGetList().value("is_archived").toString(), QString("0"));
    QVERIFY(!m_controller->getMapParamsFromTrGetList().contains("id"));
    m_controller->findRecords({{"id", "7"}});
    toFinder("saGetList", {{"RES", "0"}, {"ERRCODE", "50"}, {"RECEIVER", finder}});
    QTRY_COMPARE(found.count(), 2);
    QVERIFY(found.last().first().toList().isEmpty());
    QCOMPARE(found.last().last().toMap().value("ERRCODE").toString(), QString("50"));

    // A record read as its editor reads it, credentials included; a record gone is none.
    m_controller->readRecord({{"id", "7"}});
    QCOMPARE(m_sent->maps().last().value("FN").toString(), QString("testRows_trInfo"));
    QCOMPARE(m_sent->maps().last().value("RECEIVER").toString(), finder);
    toFinder("saInfo", {{"RES", "10"}, {"id", "7"}, {"password", "p"}, {"name", "lviv"}, {"RECEIVER", finder}});
    QTRY_COMPARE(found.count(), 3);
    QCOMPARE(found.last().first().toList().value(0).toMap().value("password").toString(), QString("p"));
    QCOMPARE(found.last().first().toList().value(0).toMap().value("name_upper").toString(), QString("LVIV"));
    m_controller->readRecord({{"id", "7"}});
    toFinder("saInfo", {{"RES", "0"}, {"ERRCODE", "110"}, {"id", "7"}, {"RECEIVER", finder}});
    QTRY_COMPARE(found.count(), 4);
    QVERIFY(found.last().first().toList().isEmpty());
    QCOMPARE(received.count(), 1);
}

// An edit notes the newest stamp read before it and the records of its name read with it, by the
// list or by a search: a record found later with that stamp was stored before the send.
void TestDesktopController::seenBeforeTheSend()
{
    const auto seenAtSend = [this] {
        m_controller->trNew({{"name", "x"}});
        const QVariantMap edit = m_controller->unansweredEdit();
        QStringList ids;
        for (const QVariant &id : edit.value("seenIds").toList())
            ids << id.toString();
        ids.sort();
        return QString::number(edit.value("seenStamp").toLongLong()) + ":" + ids.join(",");
    };
    const qint64 newest = 9000000000000;
    QSignalSpy found(m_controller.get(), &DesktopController::recordsFound);
    m_controller->findRecords({{"name", "x"}});
    const QString finder = m_sent->maps().last().value("RECEIVER").toString();
    for (const char *id : {"8", "7"})
        m_net->dispatchMessage(m_controller->name(), "saListInfo",
                               {{"id", id}, {"dt_utc_last_update", newest}, {"RECEIVER", finder}});
    // Another name's record of that stamp is not one of these.
    m_net->dispatchMessage("otherRows", "saListInfo", {{"id", "5"}, {"dt_utc_last_update", newest}});
    m_net->dispatchMessage(m_controller->name(), "saGetList", {{"STATE", "end"}, {"RES", "10"}, {"RECEIVER", finder}});
    QTRY_COMPARE(found.count(), 1);
    QCOMPARE(m_controller->originalModel()->rowCount(), 3);
    QCOMPARE(seenAtSend(), QString("9000000000000:7,8"));

    // A newer stamp read of another name: none of this name was read with it.
    m_net->dispatchMessage("otherRows", "srUpdated", {{"id", "5"}, {"dt_utc_last_update", newest + 1}});
    QTRY_COMPARE(m_net->newestStamp(), newest + 1);
    QCOMPARE(seenAtSend(), QString("9000000000001:"));

    // A row the list reads with a newer one (added as a page adds it) is held as well.
    Client::Controller::OriginalModel *rows = m_controller->originalModel();
    connect(m_controller.get(), &DesktopController::saListInfo, rows, [&](const QVariantMap &row) {
        if (row.value("RECEIVER").toString() == m_controller->objectNumber())
            rows->addRow(row);
    });
    deliver("saListInfo", {{"id", "4"}, {"dt_utc_last_update", newest + 2}, {"RECEIVER", m_controller->objectNumber()}});
    QCOMPARE(rows->rowCount(), 4);
    QCOMPARE(seenAtSend(), QString("9000000000002:4"));
}

namespace {

// A controller with no rows at all, as report controllers are.
class ModelessController : public DesktopController
{
public:
    QString name() const override { return QStringLiteral("modeless"); }
};

} // namespace

void TestDesktopController::controllerWithoutModel()
{
    ModelessController controller;
    controller.setUseTrGetList(true);
    m_rights->grantRead("modeless");
    QVERIFY(controller.trGetList());
    QSignalSpy beginRemove(&controller, &DesktopController::beginRemove);
    QSignalSpy lock(&controller, &DesktopController::saLock);
    QSignalSpy pushed(&controller, &DesktopController::srUpdated);
    const QVariantMap gone{{"RES", "0"}, {"ERRCODE", "130"}, {"id", "1"}};
    for (const char *action : {"saLock", "saUnlock", "saUpdate", "saRemove", "srUpdated", "srInserted"})
        QVERIFY(controller.handleMessage(action, gone));
    QVERIFY(controller.handleMessage("saRemove", {{"RES", "10"}, {"id", "1"}}));
    QVERIFY(controller.handleMessage("saLock", {{"RES", "10"}, {"id", "1"}}));
    controller.onAutoUpdateTimerTimeout();
    QCOMPARE(lock.count(), 2);
    QCOMPARE(pushed.count(), 1);
    QCOMPARE(beginRemove.count(), 1);
    QCOMPARE(beginRemove.first().first().toInt(), -1);
    // Nothing but the first list request went out: there is nothing to reload into.
    QCOMPARE(m_sent->count(), 1);
}

QTEST_MAIN(TestDesktopController)
#include "tst_desktopcontroller.moc"
