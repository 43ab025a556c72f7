#include "client/net/apinetwork.h"
#include "optionrights.h"
#include "testcontroller.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtTest>

using Client::Controller::DesktopController;

// A page as QML authors write it: a controller element, its handlers and a view over its rows.
class TestQmlControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageBindsToController();

private:
    std::unique_ptr<Client::ApiNetwork> m_net;
    std::unique_ptr<OptionRights> m_rights;
};

void TestQmlControllers::initTestCase()
{
    m_net = std::make_unique<Client::ApiNetwork>();
    Common::AbstractController::setNetwork(m_net.get());
    m_rights = std::make_unique<OptionRights>();
    m_rights->grantRead("testRows");
    qmlRegisterType<TestController>("Koriv.Test", 1, 0, "TestRows");
    qmlRegisterUncreatableType<Client::Controller::OriginalModel>("Koriv.Test", 1, 0, "OriginalModel", "rows");
    qmlRegisterUncreatableType<Client::Controller::ProxyModel>("Koriv.Test", 1, 0, "ProxyModel", "view");
}

void TestQmlControllers::pageBindsToController()
{
    QQmlEngine engine;
    QList<QQmlError> warnings;
    connect(&engine, &QQmlEngine::warnings, this, [&](const QList<QQmlError> &list) { warnings += list; });
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQuick 2.15
import Koriv.Test 1.0

Item {
    id: page
    property alias controller: rows
    property int shown: view.count
    property string firstName: view.count > 0 ? view.itemAtIndex(0).text : ""
    property int loadedCount: 0
    property var lastLock: ({})
    property bool sent: false

    function load() { sent = rows.trGetList({"is_archived": 0}) }

    TestRows {
        id: rows
        useTrGetList: true
        autoUpdateInterval: 5
        onSaListInfo: {
            if (mapParams.RECEIVER === objectNumber)
                originalModel.addRow(mapParams)
        }
        onSaGetList: if (mapParams.STATE === "end") page.loadedCount = proxyModel.rowCount()
        onSaLock: page.lastLock = mapParams
    }
    ListView {
        id: view
        width: 100; height: 400
        model: rows.proxyModel
        delegate: Text { height: 10; text: name + "/" + rst_id_user_locked }
    }
}
)",
                      QUrl("qrc:/page.qml"));
    std::unique_ptr<QObject> page(component.create());
    QVERIFY2(page, qPrintable(component.errorString()));
    auto *controller = qvariant_cast<TestController *>(page->property("controller"));
    QVERIFY(controller);
    QCOMPARE(controller->autoUpdateInterval(), 5);

    QSignalSpy sent(m_net.get(), qOverload<NetDTO>(&Common::ApiNetwork::sendMessage));
    QMetaObject::invokeMethod(page.get(), "load");
    QVERIFY(page->property("sent").toBool());
    QCOMPARE(sent.count(), 1);
    const QString receiver = controller->objectNumber();
    m_net->dispatchMessage("testRows", "saGetList", {{"STATE", "start"}, {"RECEIVER", receiver}});
    for (const char *id : {"1", "3", "2"})
        m_net->dispatchMessage("testRows", "saListInfo",
                               {{"id", id}, {"name", QString("row") + id}, {"RECEIVER", receiver},
                                {"rst_id_user_locked", "1"}});
    m_net->dispatchMessage("testRows", "saListInfo", {{"id", "8"}, {"name", "other"}, {"RECEIVER", "77"}});
    m_net->dispatchMessage("testRows", "saGetList", {{"STATE", "end"}, {"RECEIVER", receiver}});
    QTRY_COMPARE(page->property("loadedCount").toInt(), 3);
    QTRY_COMPARE(page->property("shown").toInt(), 3);
    QCOMPARE(page->property("firstName").toString(), QString("row3/1"));

    m_net->dispatchMessage("testRows", "saLock", {{"RES", "10"}, {"id", "3"}, {"rst_id_user_locked", "44"}});
    QTRY_COMPARE(page->property("lastLock").toMap().value("id").toString(), QString("3"));
    QTRY_COMPARE(page->property("firstName").toString(), QString("row3/44"));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.isEmpty() ? QString() : warnings.first().toString()));
}

QTEST_MAIN(TestQmlControllers)
#include "tst_qmlcontrollers.moc"
