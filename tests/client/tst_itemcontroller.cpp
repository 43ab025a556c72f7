#include "client/controller/itemcontroller.h"
#include "client/net/apinetwork.h"
#include "listcatalogue.h"
#include "messagecatcher.h"
#include "modeltester.h"
#include "sentmessages.h"
#include "timelimit.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

using Client::Controller::ItemController;
using Client::Controller::OriginalModel;
using Client::Controller::ProxyModel;

namespace {

// An item controller over its own rows (or rows shared by its class), as subclasses make them.
class PlainController : public ItemController
{
public:
    explicit PlainController(const QString &name = QStringLiteral("plain"), bool classWide = false,
                             bool withModels = true)
        : m_name(name)
    {
        if (!withModels)
            return;
        if (classWide)
            useClassWideModel<PlainController, ListCatalogue>();
        else
            useOwnModel<ListCatalogue>();
    }
    QString name() const override { return m_name; }
    void prepareRow(QVariantMap &row) override
    {
        row.insert(QStringLiteral("prepared"), row.value(QStringLiteral("prepared")).toInt() + 1);
    }
    void initFieldNames(QHash<QString, QString> &names) override
    {
        ++initCalls;
        names.insert(QStringLiteral("name"), QStringLiteral("Name of the row"));
    }
    void handleJsonMessage(const QJsonObject &message) override { otherJson.append(message); }

    int initCalls = 0;
    QList<QJsonObject> otherJson;

private:
    QString m_name;
};

// Instances that share one class-wide model of their own, fresh in this process: the catalogue
// controller that loads it and the pages that show it.
class SharedRows : public ItemController
{
public:
    SharedRows() { useClassWideModel<SharedRows, ListCatalogue>(); }
    QString name() const override { return QStringLiteral("sharedRows"); }
};

QVariantMap answer(const QString &state, const QString &receiver, const QVariantMap &more = {})
{
    QVariantMap params = more;
    params.insert("STATE", state);
    params.insert("RECEIVER", receiver);
    return params;
}

void fill(OriginalModel *model, int rows)
{
    for (int i = 1; i <= rows; ++i)
        model->addRow({{"id", QString::number(i)}, {"name", QString("n%1").arg(i)}});
}

} // namespace

// The list part of every controller and the hand-off of messages to controllers.
class TestItemController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listAnswers_data();
    void listAnswers();
    void listRequests();
    void goneRecords();
    void jsonReplies();
    void everyMessageIsPreparedFirst();
    void deliveredMessagesArePreparedOnce();
    void controllerWithoutModels();
    void rowLimitAndDefaults();
    void viewTakesAFullListAtItsEnd();
    void sharedViewsTakeTheFirstListAtItsEnd();
    void dispatchToControllersOfAName();
    void listFromWorkerThread();
    void controllersGoingDuringDelivery();

private:

    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<SentMessages> m_sent;
};

void TestItemController::init()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    m_sent = std::make_unique<SentMessages>(m_net.get());
}

void TestItemController::cleanup()
{
    m_sent.reset();
    m_net.reset();
}

void TestItemController::listAnswers_data()
{
    QTest::addColumn<bool>("classWide");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("own");
    QTest::addColumn<QVariantMap>("extra");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("own start clears") << false << "start" << true << QVariantMap{} << 0 << false;
    QTest::newRow("start of another controller") << false << "start" << false << QVariantMap{} << 3 << false;
    QTest::newRow("start of an incremental answer") << false << "start" << true
                                                    << QVariantMap{{"_do_not_clear_model", "0"}} << 3 << false;
    QTest::newRow("class-wide never clears") << true << "start" << true << QVariantMap{} << 3 << false;
    QTest::newRow("own end") << false << "end" << true << QVariantMap{} << 3 << true;
    QTest::newRow("end of another controller") << false << "end" << false << QVariantMap{} << 3 << false;
    QTest::newRow("class-wide: any end") << true << "end" << false << QVariantMap{} << 3 << true;
    QTest::newRow("no state") << false << "" << true << QVariantMap{} << 3 << false;
}

void TestItemController::listAnswers()
{
    QFETCH(bool, classWide);
    QFETCH(QString, state);
    QFETCH(bool, own);
    QFETCH(QVariantMap, extra);
    QFETCH(int, rowsAfter);
    QFETCH(bool, loaded);
    PlainController controller("listAnswers" + QString(QTest::currentDataTag()), classWide);
    fill(controller.originalModel(), 3);
    controller.proxyModel()->sortRows("name", Qt::AscendingOrder);
    QSignalSpy answered(&controller, &ItemController::saGetList);
    QSignalSpy loadedSpy(&controller, &ItemController::dataAtLeastLoadedChanged);
    const QVariantMap params = answer(state, own ? controller.objectNumber() : "9999", extra);
    QVERIFY(controller.handleMessage("saGetList", params));
    QCOMPARE(controller.originalModel()->rowCount(), rowsAfter);
    QCOMPARE(loadedSpy.count(), loaded ? 1 : 0);
    QCOMPARE(controller.originalModel()->dataAtLeastLoaded(), loaded);
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.first().first().toMap(), params);
    if (loaded)
        QCOMPARE(controller.proxyModel()->data(0, "name").toString(), QString("n1"));
    controller.originalModel()->clear();
}

void TestItemController::listRequests()
{
    PlainController controller("plain");
    QVERIFY(!controller.trGetList({{"a", 1}}));
    QCOMPARE(m_sent->count(), 0);
    QVERIFY(controller.ignoreSrUpdated() && controller.ignoreSrInserted());

    controller.setUseTrGetList(true);
    controller.setProperty("rowLimit", 25);
    QVERIFY(controller.trGetList({{"a", 1}}));
    QVERIFY(!controller.ignoreSrUpdated() && !controller.ignoreSrInserted());
    QVERIFY(controller.trGetList({{"b", 2}}, true));
    const QVariantMap second = m_sent->maps().last();
    QCOMPARE(second, (QVariantMap{{"b", 2}, {"query_limit", qint64(25)}, {"FN", "plain_trGetList"},
                                  {"RECEIVER", controller.number()}}));
    QCOMPARE(second.value("query_limit").userType(), int(QMetaType::LongLong));

    // A full reload forgets the incremental keys, so its start clears the model again.
    controller.setTrGetListParams({{"c", 3}, {"_do_not_clear_model", "1"}, {"dt_utc_last_update", 5}});
    controller.reGetList();
    QCOMPARE(m_sent->maps().last().value("c").toInt(), 3);
    QVERIFY(!m_sent->maps().last().contains("_do_not_clear_model"));
    QVERIFY(!m_sent->maps().last().contains("dt_utc_last_update"));

    controller.pushTrGetListParams();
    controller.setTrGetListParams({{"d", 4}});
    controller.popTrGetListParams();
    QCOMPARE(controller.getMapParamsFromTrGetList().value("c").toInt(), 3);
    controller.popTrGetListParams();
    QVERIFY(controller.getMapParamsFromTrGetList().isEmpty());
    controller.setTrGetListParams({{"e", 5}});
    controller.clearParam4trGetList();
    QVERIFY(controller.getMapParamsFromTrGetList().isEmpty());

    controller.trInfo({{"id", "7"}});
    QCOMPARE(m_sent->maps().last(),
             (QVariantMap{{"id", "7"}, {"FN", "plain_trInfo"}, {"RECEIVER", controller.number()}}));
}

void TestItemController::goneRecords()
{
    PlainController controller;
    fill(controller.originalModel(), 3);
    QSignalSpy info(&controller, &ItemController::saInfo);
    controller.handleMessage("saInfo", {{"RES", "0"}, {"ERRCODE", "110"}, {"id", "2"}});
    controller.handleMessage("saInfo", {{"RES", "0"}, {"ERRCODE", "110"}, {"id", "42"}});
    controller.handleMessage("saInfo", {{"RES", "0"}, {"ERRCODE", "50"}, {"id", "3"}});
    controller.handleMessage("saInfo", {{"RES", "10"}, {"id", "1"}});
    QCOMPARE(info.count(), 4);
    QCOMPARE(controller.originalModel()->rowCount(), 2);
    QCOMPARE(controller.originalModel()->findId("2"), -1);
    QVERIFY(!controller.handleMessage("saSomething", {}));
}

void TestItemController::jsonReplies()
{
    PlainController controller;
    fill(controller.originalModel(), 3);
    QSignalSpy list(&controller, &ItemController::list);
    QSignalSpy info(&controller, &ItemController::info);
    emit controller.messageReceived(QJsonObject{
        {"method", "getList"}, {"result", QJsonArray{QJsonObject{{"id", 5}}, QJsonObject{{"id", 6}}}}});
    QCOMPARE(list.count(), 1);
    const QJsonArray rows = list.first().first().toJsonObject().value("result").toArray();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).toObject().value("prepared").toInt(), 1);

    emit controller.messageReceived(
        QJsonObject{{"method", "info"}, {"error", QJsonObject{{"code", 110}}}, {"result", QJsonObject{{"id", "3"}}}});
    QCOMPARE(info.count(), 1);
    QCOMPARE(info.first().first().toJsonObject().value("result").toObject().value("prepared").toInt(), 1);
    QCOMPARE(controller.originalModel()->findId("3"), -1);
    emit controller.messageReceived(
        QJsonObject{{"method", "info"}, {"error", QJsonObject{{"code", "111"}}}, {"result", QJsonObject{{"id", 2}}}});
    QCOMPARE(controller.originalModel()->rowCount(), 2);

    emit controller.messageReceived(QJsonObject{{"method", "other"}, {"result", 5}});
    QCOMPARE(controller.otherJson.size(), 1);
    QCOMPARE(controller.otherJson.first().value("result").toInt(), 5);
}

void TestItemController::everyMessageIsPreparedFirst()
{
    PlainController controller;
    QVariantMap seen;
    connect(&controller, &ItemController::saListInfo, this, [&](const QVariantMap &params) { seen = params; });
    emit controller.messageReceived("saListInfo", {{"id", "1"}});
    QCOMPARE(seen.value("prepared").toInt(), 1);
    QCOMPARE(controller.fieldName("name"), QString("Name of the row"));
    QCOMPARE(controller.fieldName("other"), QString());
    QCOMPARE(controller.initCalls, 1);
}

void TestItemController::deliveredMessagesArePreparedOnce()
{
    // Two controllers of a name each get the message prepared once by their own hook; whoever
    // watches the signal sees it prepared too.
    PlainController first("hooked");
    PlainController second("hooked");
    QSignalSpy watched(&first, qOverload<QString, QVariantMap>(&ItemController::messageReceived));
    QList<QVariantMap> firstRows;
    QList<QVariantMap> secondRows;
    QList<QVariantMap> nested;
    connect(&second, &ItemController::saListInfo, this, [&](const QVariantMap &row) { secondRows << row; });
    connect(&first, &ItemController::saInfo, this, [&](const QVariantMap &row) { nested << row; });
    connect(&first, &ItemController::saListInfo, this, [&](const QVariantMap &row) {
        firstRows << row;
        // A handler passing the message on, or another one, through the controller's signal.
        emit first.messageReceived("saInfo", row);
        emit first.messageReceived("saInfo", {{"id", "other"}});
    });
    m_net->dispatchMessage("hooked", "saListInfo", {{"id", "1"}});
    QTRY_COMPARE(secondRows.size(), 1);
    QCOMPARE(firstRows.size(), 1);
    QCOMPARE(firstRows.first().value("prepared").toInt(), 1);
    QCOMPARE(secondRows.first().value("prepared").toInt(), 1);
    QCOMPARE(watched.first().at(1).toMap().value("prepared").toInt(), 1);
    QCOMPARE(nested.size(), 2);
    QCOMPARE(nested.at(0).value("prepared").toInt(), 1);
    QCOMPARE(nested.at(1).value("id").toString(), QString("other"));
    QCOMPARE(nested.at(1).value("prepared").toInt(), 1);
}

void TestItemController::controllerWithoutModels()
{
    // A controller that has no model (as some do) takes every answer without breaking.
    PlainController controller("bare", false, false);
    QVERIFY(!controller.originalModel());
    QVERIFY(!controller.proxyModel());
    for (const char *state : {"start", "end"})
        controller.handleMessage("saGetList", answer(state, controller.objectNumber()));
    controller.handleMessage("saInfo", {{"RES", "0"}, {"ERRCODE", "110"}, {"id", "1"}});
    emit controller.messageReceived(QJsonObject{{"method", "info"}, {"error", QJsonObject{{"code", 110}}}});
    controller.disableProxyModel();
    controller.disableProxyModel();
    QCOMPARE(controller.rowLimit(), 0);
    controller.setRowLimit(5);
    QCOMPARE(controller.rowLimit(), 0);
    QVERIFY(!controller.defaultFieldValue("name").isValid());
    controller.setUseTrGetList(true);
    QVERIFY(controller.trGetList());
    QCOMPARE(m_sent->maps().last().value("query_limit").toLongLong(), 0);
}

void TestItemController::rowLimitAndDefaults()
{
    PlainController controller;
    QSignalSpy limit(&controller, &ItemController::rowLimitChanged);
    controller.setRowLimit(3);
    controller.setRowLimit(3);
    QCOMPARE(limit.count(), 1);
    QCOMPARE(controller.originalModel()->limit(), 3LL);
    QCOMPARE(controller.defaultFieldValue("name").toString(), QString("n/a"));
    QCOMPARE(controller.defaultFieldValue("rst_id_user_locked").toInt(), 1);
    QVERIFY(!controller.defaultFieldValue("missing").isValid());

    // Dropping the view leaves the rows; the view no longer follows them.
    Client::Controller::ProxyModel *proxy = controller.proxyModel();
    controller.disableProxyModel();
    QVERIFY(!controller.proxyModel());
    QVERIFY(!proxy->sourceModel());
    controller.handleMessage("saGetList", answer("end", controller.objectNumber()));
    QVERIFY(controller.originalModel()->dataAtLeastLoaded());
}

void TestItemController::viewTakesAFullListAtItsEnd()
{
    PlainController controller;
    fill(controller.originalModel(), 2);
    auto *proxy = controller.proxyModel();
    proxy->setHardFilterRole("name", "!=", "n3");
    QCOMPARE(proxy->rowCount(), 2);
    controller.handleMessage("saGetList", answer("start", controller.objectNumber()));
    QVERIFY(proxy->isDeferringRows());
    fill(controller.originalModel(), 5);
    QCOMPARE(proxy->rowCount(), 0);
    controller.originalModel()->updateValue(QString("4"), "name", "four");
    controller.handleMessage("saGetList", answer("end", controller.objectNumber()));
    QVERIFY(!proxy->isDeferringRows());
    QCOMPARE(proxy->rowCount(), 4);
    QCOMPARE(proxy->data(0, "id").toString(), QString("5"));
    QCOMPARE(proxy->data(1, "name").toString(), QString("four"));
    // Rows that come after the end are followed one by one again.
    controller.originalModel()->addRow({{"id", "9"}});
    QCOMPARE(proxy->rowCount(), 5);

    // A list that stops short of its end is shown once no row has come for a while, in the order
    // asked meanwhile.
    proxy->setDeferredRowsPatience(50);
    controller.handleMessage("saGetList", answer("start", controller.objectNumber()));
    proxy->sortRows("name", Qt::DescendingOrder);
    fill(controller.originalModel(), 3);
    QCOMPARE(proxy->rowCount(), 0);
    QTRY_COMPARE(proxy->rowCount(), 2);
    QVERIFY(!proxy->isDeferringRows());
    QCOMPARE(proxy->data(0, "name").toString(), QString("n2"));

    // Dropping the view while it waits leaves it without a source.
    controller.handleMessage("saGetList", answer("start", controller.objectNumber()));
    controller.disableProxyModel();
    QVERIFY(!proxy->isDeferringRows());
    QVERIFY(!proxy->originalModel());
}

void TestItemController::sharedViewsTakeTheFirstListAtItsEnd()
{
    // The catalogue controller that asks for the list and adds its rows, with its placeholder
    // row sorted first by name, and another instance's view in the default order.
    SharedRows catalogue;
    OriginalModel *rows = catalogue.originalModel();
    rows->addRow({{"id", "1"}, {"name", QString(QChar(0)) + "[all]"}});
    connect(&catalogue, &ItemController::saListInfo, rows, [&](const QVariantMap &row) {
        if (row.value("RECEIVER").toString() == catalogue.objectNumber())
            rows->addRow(row);
    });
    const QString receiver = catalogue.objectNumber();
    const auto deliver = [&](const QString &action, const QVariantMap &params) {
        m_net->dispatchMessage("sharedRows", action, params);
        QCoreApplication::processEvents();
    };
    const auto deliverRows = [&](const QStringList &names, int firstId) {
        for (int i = 0; i < names.size(); ++i)
            deliver("saListInfo", {{"id", QString::number(firstId + i)}, {"name", names.at(i)}, {"RECEIVER", receiver}});
    };
    ProxyModel *byName = catalogue.proxyModel();
    byName->sortRows("name", Qt::AscendingOrder);
    SharedRows other;
    ProxyModel *byId = other.proxyModel();
    watchModel(byName);
    watchModel(byId);
    QCOMPARE(byName->rowCount(), 1);

    // The start of another controller's list of the name, or of an incremental list, changes
    // nothing for the views.
    deliver("saGetList", answer("start", "9999"));
    deliver("saGetList", answer("start", receiver, {{"_do_not_clear_model", "1"}}));
    QVERIFY(!byName->isDeferringRows() && !byId->isDeferringRows());
    QCOMPARE(byId->rowCount(), 1);

    // The first list: every view waits, and a row arriving costs no view a signal.
    QSignalSpy inserted(byName, &QAbstractItemModel::rowsInserted);
    QSignalSpy otherInserted(byId, &QAbstractItemModel::rowsInserted);
    deliver("saGetList", answer("start", receiver));
    QVERIFY(byName->isDeferringRows() && byId->isDeferringRows());
    deliverRows({"delta", "alpha", "echo"}, 2);
    QCOMPARE(rows->rowCount(), 4);
    QCOMPARE(byName->rowCount(), 0);
    QCOMPARE(byId->rowCount(), 0);

    // A page opened meanwhile prepares its filter and order, and waits as well.
    auto page = std::make_unique<SharedRows>();
    ProxyModel *pageView = page->proxyModel();
    watchModel(pageView);
    QVERIFY(pageView->isDeferringRows());
    pageView->beginPrepare();
    pageView->appendHardFilterRole("name", "!=", "echo");
    pageView->sortRows("name", Qt::DescendingOrder);
    pageView->endPrepare();
    QVERIFY(pageView->isDeferringRows());
    QCOMPARE(pageView->rowCount(), 0);
    // A row that does not come with the list (a record created meanwhile) waits with it.
    rows->addRow({{"id", "9"}, {"name", "charlie"}});
    deliverRows({"bravo"}, 5);
    QCOMPARE(byName->rowCount(), 0);

    deliver("saGetList", answer("end", receiver));
    QVERIFY(rows->dataAtLeastLoaded());
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(otherInserted.count(), 0);
    const auto shown = [](ProxyModel *view) {
        QStringList names;
        for (int row = 0; row < view->rowCount(); ++row)
            names << view->data(row, "name").toString();
        return names;
    };
    QCOMPARE(shown(byName), (QStringList{QString(QChar(0)) + "[all]", "alpha", "bravo", "charlie", "delta", "echo"}));
    QCOMPARE(byId->data(0, "id").toString(), QString("9"));
    QCOMPARE(byId->data(5, "id").toString(), QString("1"));
    QCOMPARE(shown(pageView), (QStringList{"delta", "charlie", "bravo", "alpha", QString(QChar(0)) + "[all]"}));
    QVERIFY(!byName->isDeferringRows() && !byId->isDeferringRows() && !pageView->isDeferringRows());

    // Rows of a push's reload reach every view as they come.
    deliver("saGetList", answer("start", receiver, {{"_do_not_clear_model", "1"}}));
    deliverRows({"foxtrot", "echo"}, 10);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(byId->rowCount(), 8);
    QCOMPARE(pageView->rowCount(), 6);
    deliver("saGetList", answer("end", receiver));
    QCOMPARE(shown(byName).last(), QString("foxtrot"));
    QCOMPARE(shown(pageView).first(), QString("foxtrot"));

    // A later full list of the loaded rows leaves the views showing them; a page opened now
    // shows them at once.
    deliver("saGetList", answer("start", receiver));
    QVERIFY(!byName->isDeferringRows() && !byId->isDeferringRows());
    deliverRows({"golf"}, 12);
    QCOMPARE(byId->rowCount(), 9);
    SharedRows late;
    QVERIFY(!late.proxyModel()->isDeferringRows());
    QCOMPARE(late.proxyModel()->rowCount(), 9);
    deliver("saGetList", answer("end", receiver));
    QCOMPARE(shown(byName).last(), QString("golf"));
}

void TestItemController::dispatchToControllersOfAName()
{
    PlainController first("shared");
    PlainController second("shared");
    PlainController other("other");
    QCOMPARE(m_net->controllerCount(), 3);
    QSignalSpy firstGot(&first, &ItemController::saInfo);
    QSignalSpy secondGot(&second, &ItemController::saInfo);
    QSignalSpy otherGot(&other, &ItemController::saInfo);
    m_net->dispatchMessage("shared", "saInfo", {{"RECEIVER", "ALL"}});
    QTRY_COMPARE(secondGot.count(), 1);
    QCOMPARE(firstGot.count(), 1);
    QCOMPARE(otherGot.count(), 0);
    QCOMPARE(first.otherJson.size(), 0);
}

void TestItemController::listFromWorkerThread()
{
    // The network thread hands 10,000 rows over; the page's handler adds its own to the model.
    PlainController page("bulk");
    PlainController neighbour("bulk");
    page.setUseTrGetList(true);
    page.trGetList();
    bool allInGuiThread = true;
    for (PlainController *c : {&page, &neighbour}) {
        connect(c, &ItemController::saListInfo, c, [c, &allInGuiThread](const QVariantMap &row) {
            allInGuiThread = allInGuiThread && QThread::currentThread() == qApp->thread();
            if (row.value("RECEIVER").toString() == c->objectNumber())
                c->originalModel()->addRow(row);
        });
    }
    QSignalSpy ended(&page, &ItemController::saGetList);
    const QString receiver = page.objectNumber();
    std::unique_ptr<QThread> worker(QThread::create([&] {
        m_net->dispatchMessage("bulk", "saGetList", answer("start", receiver));
        for (int i = 0; i < 10000; ++i) {
            // Ids arrive in no particular order.
            const int id = (i * 7919) % 10000 + 1;
            m_net->dispatchMessage("bulk", "saListInfo",
                                   {{"id", QString::number(id)}, {"RECEIVER", receiver}, {"name", "r"}});
        }
        m_net->dispatchMessage("bulk", "saGetList", answer("end", receiver));
    }));
    worker->start();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, timeLimit(20000));
    worker->wait();
    QVERIFY(allInGuiThread);
    OriginalModel *model = page.originalModel();
    QCOMPARE(model->rowCount(), 10000);
    QCOMPARE(neighbour.originalModel()->rowCount(), 0);
    for (int r = 0; r < model->rowCount(); ++r)
        QCOMPARE(model->rowId(r), qint64(10000 - r));
    QVERIFY(model->dataAtLeastLoaded());
    QCOMPARE(page.proxyModel()->rowCount(), 10000);
}

void TestItemController::controllersGoingDuringDelivery()
{
    auto first = std::make_unique<PlainController>("going");
    auto second = std::make_unique<PlainController>("going");
    auto third = std::make_unique<PlainController>("going");
    QSignalSpy thirdGot(third.get(), &ItemController::saInfo);
    // The first receiver's handler destroys the second and makes a new one of the same name.
    std::unique_ptr<PlainController> replacement;
    connect(first.get(), &ItemController::saInfo, this, [&] {
        if (replacement)
            return;
        second.reset();
        replacement = std::make_unique<PlainController>("going");
    });
    m_net->dispatchMessage("going", "saInfo", {});
    QTRY_COMPARE(thirdGot.count(), 1);
    QVERIFY(replacement);
    QSignalSpy newGot(replacement.get(), &ItemController::saInfo);
    QCoreApplication::processEvents();
    QCOMPARE(newGot.count(), 0);
    QCOMPARE(m_net->controllerCount(), 3);
    m_net->dispatchMessage("going", "saInfo", {});
    QTRY_COMPARE(newGot.count(), 1);

    // Destroying the network first leaves controllers that outlive it harmless.
    m_sent.reset();
    m_net.reset();
    first.reset();
    replacement.reset();
}

QTEST_MAIN(TestItemController)
#include "tst_itemcontroller.moc"
